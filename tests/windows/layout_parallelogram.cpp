// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"
#include "windows/shapes/parallelogramwindow.h"

namespace layout {

Window parallelogramWindow() {
    return {
        u"Form1"_qs,
        u"متوازي الأضلاع"_qs,
        7995,
        8610,
        0xC0FFFF,
        {
            {u"Command6"_qs, Kind::Button, u"window"_qs, u"المصمم"_qs, 5760, 8040, 1455, 375, 16},
            {u"Frame7"_qs, Kind::Frame, u"window"_qs, u"شاشة المعلومات"_qs, 1200, 7080, 5295, 735,
             14},
            {u"Label10"_qs, Kind::Label, u"Frame7"_qs, u"أتمنى أن ينال البرنامج إعجابكم"_qs, 720,
             360, 3135, 255, 15, noColour, Align::Centre},
            {u"Command5"_qs, Kind::Button, u"window"_qs, u"بريدي"_qs, 3000, 8040, 1455, 375, 13},
            {u"Command4"_qs, Kind::Button, u"window"_qs, u"موقعي"_qs, 360, 8040, 1455, 375, 12},
            {u"Frame5"_qs, Kind::Frame, u"window"_qs, u"الشكل يمثل متوازي أضلاع"_qs, 120, 960, 7815,
             3135, 9},
            {u"Picture1"_qs, Kind::Picture, u"Frame5"_qs, {}, 240, 480, 4215, 2415, 17},
            {u"Label14"_qs, Kind::Label, u"Frame5"_qs, u"القاعدة =  أب ،  ج د"_qs, 5400, 2280, 1815,
             255, 30, 0xFFE0C0, Align::Centre},
            {u"Label13"_qs, Kind::Label, u"Frame5"_qs, u"الضلغ الأكبر = أ ب ،  ج د"_qs, 5400, 1080,
             1695, 255, 29, 0xFFE0C0, Align::Left},
            {u"Label8"_qs, Kind::Label, u"Frame5"_qs, u"الإرتفاع = ب و"_qs, 5400, 1680, 1695, 255,
             11, 0xC0C0FF, Align::Centre},
            {u"Label7"_qs, Kind::Label, u"Frame5"_qs, u"الضلع الأصغر = أ ج ، ب د"_qs, 5040, 480,
             2535, 375, 10, 0xC0C0FF, Align::Centre},
            {u"Frame4"_qs, Kind::Frame, u"window"_qs, u"تعريف"_qs, 1080, 120, 5895, 735, 7},
            {u"Label6"_qs, Kind::Label, u"Frame4"_qs,
             u"متوازي الأضلاع شكل رباعي أضلاعه المتواجهة متوازية"_qs, 240, 240, 5535, 255, 8,
             0xE0E0E0, Align::Centre},
            {u"Frame3"_qs, Kind::Frame, u"window"_qs, u"المساحة"_qs, 120, 4560, 3855, 2295, 5},
            {u"Command2"_qs, Kind::Button, u"Frame3"_qs, u"المساحة"_qs, 1080, 1800, 1215, 315, 25},
            {u"Text5"_qs, Kind::TextBox, u"Frame3"_qs, {}, 240, 1440, 1095, 285, 24},
            {u"Text4"_qs, Kind::TextBox, u"Frame3"_qs, {}, 240, 1080, 1095, 285, 23},
            {u"Text2"_qs, Kind::TextBox, u"Frame3"_qs, {}, 240, 720, 1095, 285, 22},
            {u"Label11"_qs, Kind::Label, u"Frame3"_qs, u"النتيجة"_qs, 2400, 1440, 1095, 255, 26,
             0xFFC0C0, Align::Centre},
            {u"Label9"_qs, Kind::Label, u"Frame3"_qs, u"طول الإرتفاع"_qs, 2160, 1080, 1575, 375, 21,
             noColour, Align::Centre},
            {u"Label5"_qs, Kind::Label, u"Frame3"_qs, u"طول القاعدة"_qs, 2160, 720, 1575, 255, 20,
             noColour, Align::Centre},
            {u"Label4"_qs, Kind::Label, u"Frame3"_qs, u"المساحة = طول القاعدة * طول الإرتفاع"_qs,
             240, 240, 3495, 255, 6, 0xC0C0FF, Align::Centre},
            {u"Frame1"_qs, Kind::Frame, u"window"_qs, u"المحيط"_qs, 4080, 4560, 3855, 2295, 0},
            {u"Text6"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 1440, 1095, 285, 27},
            {u"Command1"_qs, Kind::Button, u"Frame1"_qs, u"المحيط"_qs, 960, 1800, 1335, 315, 19},
            {u"Text3"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 1080, 1095, 285, 4},
            {u"Text1"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 720, 1095, 285, 3},
            {u"Label12"_qs, Kind::Label, u"Frame1"_qs, u"طول الضلع الأكبر"_qs, 2280, 1080, 1215,
             255, 28, noColour, Align::Centre},
            {u"Label2"_qs, Kind::Label, u"Frame1"_qs,
             u"المحيط = (طول الضلع الأصغر + طول الضلع الأكبر) * 2"_qs, 120, 240, 3615, 255, 18,
             0xC0C0FF, Align::Centre},
            {u"Label3"_qs, Kind::Label, u"Frame1"_qs, u"النتيجة"_qs, 2400, 1440, 975, 255, 2,
             0xFFC0C0, Align::Centre},
            {u"Label1"_qs, Kind::Label, u"Frame1"_qs, u"طول الضلع الأصغر"_qs, 2280, 720, 1215, 375,
             1, noColour, Align::Centre},
        },
        [] { return new ParallelogramWindow; },
    };
}

} // namespace layout
