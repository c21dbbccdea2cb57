// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"
#include "windows/shapes/squarewindow.h"

namespace layout {

Window squareWindow() {
    return {
        u"المربع"_qs,
        u"المربع"_qs,
        7995,
        8610,
        0xC0FFC0,
        {
            {u"Command6"_qs, Kind::Button, u"window"_qs, u"المصمم"_qs, 5760, 8160, 1455, 375, 16},
            {u"Frame7"_qs, Kind::Frame, u"window"_qs, u"شاشة المعلومات"_qs, 1200, 7320, 5295, 735,
             14},
            {u"Label10"_qs, Kind::Label, u"Frame7"_qs, u"أتمنى أن ينال البرنامج إعجابكم"_qs, 960,
             360, 3135, 255, 15, noColour, Align::Centre},
            {u"Command5"_qs, Kind::Button, u"window"_qs, u"بريدي"_qs, 2880, 8160, 1455, 375, 13},
            {u"Command4"_qs, Kind::Button, u"window"_qs, u"موقعي"_qs, 360, 8160, 1455, 375, 12},
            {u"Frame5"_qs, Kind::Frame, u"window"_qs, u"الشكل يمثل مربع"_qs, 120, 1080, 7815, 3720,
             9},
            {u"Picture1"_qs, Kind::Picture, u"Frame5"_qs, {}, 240, 240, 3855, 3375, 17},
            {u"Label8"_qs, Kind::Label, u"Frame5"_qs, u"طول القطر الثاني = ب ج"_qs, 5760, 1920,
             1695, 255, 11, 0xFFE0C0, Align::Centre},
            {u"Label7"_qs, Kind::Label, u"Frame5"_qs, u"طول القطر الأول = أ د"_qs, 5640, 1080, 1815,
             255, 10, 0xC0C0FF, Align::Centre},
            {u"Frame4"_qs, Kind::Frame, u"window"_qs, u"تعريف"_qs, 1080, 120, 5895, 855, 7},
            {u"Label6"_qs, Kind::Label, u"Frame4"_qs,
             u"المربع شكل رباعي زواياه الأربع قوائم و أضلاعه الأربعة متطابقة و قطرا المربع متعامدان ومتطابقان ومتقاطعان في منتصفيهما  "_qs,
             240, 240, 5535, 495, 8, 0xE0E0E0, Align::Centre},
            {u"Frame3"_qs, Kind::Frame, u"window"_qs, u"المساحة"_qs, 120, 4920, 3855, 2295, 5},
            {u"Text4"_qs, Kind::TextBox, u"Frame3"_qs, {}, 360, 1320, 1215, 285, 24},
            {u"Text2"_qs, Kind::TextBox, u"Frame3"_qs, {}, 360, 840, 1215, 285, 23},
            {u"Command2"_qs, Kind::Button, u"Frame3"_qs, u"المساحة"_qs, 1080, 1800, 1215, 315, 21},
            {u"Label11"_qs, Kind::Label, u"Frame3"_qs, u"النتيجة"_qs, 2400, 1320, 1095, 255, 22,
             0xFFC0C0, Align::Centre},
            {u"Label5"_qs, Kind::Label, u"Frame3"_qs, u"طول الضلع"_qs, 2280, 840, 1575, 255, 20,
             noColour, Align::Centre},
            {u"Label4"_qs, Kind::Label, u"Frame3"_qs, u"المساحة = طول الضلع * طول الضلع"_qs, 240,
             240, 3495, 255, 6, 0xC0C0FF, Align::Centre},
            {u"Frame1"_qs, Kind::Frame, u"window"_qs, u"المحيط"_qs, 4440, 4920, 3495, 2295, 0},
            {u"Command1"_qs, Kind::Button, u"Frame1"_qs, u"المحيط"_qs, 960, 1800, 1335, 315, 19},
            {u"Text3"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 1320, 1095, 285, 4},
            {u"Text1"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 840, 1095, 285, 3},
            {u"Label2"_qs, Kind::Label, u"Frame1"_qs, u"المحيط = 4 * طول الضلع"_qs, 960, 240, 1935,
             255, 18, 0xC0C0FF, Align::Left},
            {u"Label3"_qs, Kind::Label, u"Frame1"_qs, u"النتيجة"_qs, 2400, 1320, 975, 255, 2,
             0xFFC0C0, Align::Centre},
            {u"Label1"_qs, Kind::Label, u"Frame1"_qs, u"طول الضلع"_qs, 2280, 840, 1095, 375, 1,
             noColour, Align::Centre},
        },
        [] { return new SquareWindow; },
    };
}

} // namespace layout
