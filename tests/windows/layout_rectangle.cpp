// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"
#include "windows/shapes/rectanglewindow.h"

namespace layout {

Window rectangleWindow() {
    return {
        u"المستطيل"_qs,
        u"المستطيل "_qs,
        7995,
        8610,
        0xFFC0C0,
        {
            {u"Command6"_qs, Kind::Button, u"window"_qs, u"المصمم"_qs, 6360, 6840, 1455, 375, 24},
            {u"Frame7"_qs, Kind::Frame, u"window"_qs, u"شاشة المعلومات"_qs, 120, 7800, 5295, 735,
             22},
            {u"Label10"_qs, Kind::Label, u"Frame7"_qs, u"أتمنى أن ينال البرنامج إعجابكم"_qs, 720,
             360, 3135, 255, 23, noColour, Align::Centre},
            {u"Frame6"_qs, Kind::Frame, u"window"_qs, u"معلومة"_qs, 120, 6720, 5295, 975, 20},
            {u"Label11"_qs, Kind::Label, u"Frame6"_qs,
             u"قطرا المستطيل متطابقان و يتقطعان في المنتصف"_qs, 360, 360, 4215, 255, 21, 0xFFFFC0,
             Align::Centre},
            {u"Command5"_qs, Kind::Button, u"window"_qs, u"بريدي"_qs, 6360, 7440, 1455, 375, 19},
            {u"Command4"_qs, Kind::Button, u"window"_qs, u"موقعي"_qs, 6360, 8040, 1455, 375, 18},
            {u"Frame5"_qs, Kind::Frame, u"window"_qs, u"الشكل يمثل مستطيل"_qs, 120, 960, 7815, 3375,
             14},
            {u"Picture1"_qs, Kind::Picture, u"Frame5"_qs, {}, 360, 360, 4335, 2895, 25},
            {u"Label9"_qs, Kind::Label, u"Frame5"_qs, u"قطراه = أد  ، ب ج"_qs, 5640, 2760, 1455,
             255, 17, 0xC0C0FF, Align::Centre},
            {u"Label8"_qs, Kind::Label, u"Frame5"_qs, u"طوله = أ ب  ، ج د"_qs, 5640, 1920, 1455,
             255, 16, 0xFFE0C0, Align::Centre},
            {u"Label7"_qs, Kind::Label, u"Frame5"_qs, u"عرضه = أج  ، ب د"_qs, 5760, 1080, 1335, 255,
             15, 0xC0C0FF, Align::Left},
            {u"Frame4"_qs, Kind::Frame, u"window"_qs, u"تعريف"_qs, 1080, 120, 5895, 735, 12},
            {u"Label6"_qs, Kind::Label, u"Frame4"_qs,
             u"المستطيل شكل رباعي أضلاعه المتواجهة  متوازية و متطابقة و زواياه الأربع قائمة"_qs,
             240, 240, 5535, 375, 13, 0xE0E0E0, Align::Left},
            {u"Frame3"_qs, Kind::Frame, u"window"_qs, u"قوانين"_qs, 120, 4560, 3495, 2055, 9},
            {u"Label5"_qs, Kind::Label, u"Frame3"_qs, u"المحيط = (الطول + العرض) * 2"_qs, 600, 480,
             2055, 255, 11, 0xC0C0FF, Align::Centre},
            {u"Label4"_qs, Kind::Label, u"Frame3"_qs, u"المساحة = الطول  * العرض"_qs, 720, 1200,
             1935, 255, 10, 0xFFE0C0, Align::Centre},
            {u"Frame1"_qs, Kind::Frame, u"window"_qs, u"عمليات حسابية"_qs, 4440, 4560, 3495, 2055,
             0},
            {u"Command2"_qs, Kind::Button, u"Frame1"_qs, u"المحيط"_qs, 1800, 1560, 975, 315, 8},
            {u"Command1"_qs, Kind::Button, u"Frame1"_qs, u"المساحة"_qs, 600, 1560, 975, 315, 7},
            {u"Text3"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 1080, 1095, 285, 6},
            {u"Text2"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 600, 1095, 285, 5},
            {u"Text1"_qs, Kind::TextBox, u"Frame1"_qs, {}, 240, 240, 1095, 285, 4},
            {u"Label3"_qs, Kind::Label, u"Frame1"_qs, u"النتيجة"_qs, 2400, 1080, 975, 255, 3,
             0xFFC0C0, Align::Centre},
            {u"Label2"_qs, Kind::Label, u"Frame1"_qs, u"العرض"_qs, 2400, 600, 975, 255, 2, noColour,
             Align::Centre},
            {u"Label1"_qs, Kind::Label, u"Frame1"_qs, u"الطول"_qs, 2400, 240, 975, 375, 1, noColour,
             Align::Centre},
        },
        [] { return new RectangleWindow; },
    };
}

} // namespace layout
