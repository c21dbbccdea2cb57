// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"
#include "windows/start/startwindow.h"

namespace layout {

Window startWindow() {
    return {
        u"البداية"_qs,
        u"كوزماط الإصدار الأول"_qs,
        7995,
        8610,
        noColour,
        {
            {u"Frame2"_qs, Kind::Frame, u"window"_qs, u"آلة حاسبة"_qs, 480, 3840, 6855, 2895, 12},
            {u"Command11"_qs, Kind::Button, u"Frame2"_qs, u"أحسب"_qs, 5160, 1800, 1095, 375, 24},
            {u"Frame3"_qs, Kind::Frame, u"Frame2"_qs, u"نوع العملية"_qs, 2160, 360, 1815, 2415, 17},
            {u"Option4"_qs, Kind::Option, u"Frame3"_qs, u"القسمة (/)"_qs, 240, 1920, 1215, 195, 21},
            {u"Option3"_qs, Kind::Option, u"Frame3"_qs, u"الضرب (*)"_qs, 240, 1440, 975, 195, 20},
            {u"Option2"_qs, Kind::Option, u"Frame3"_qs, u"الطرح (-)"_qs, 240, 960, 975, 195, 19},
            {u"Option1"_qs, Kind::Option, u"Frame3"_qs, u"الجمع (+)"_qs, 240, 480, 1275, 195, 18},
            {u"Text2"_qs, Kind::TextBox, u"Frame2"_qs, {}, 240, 1920, 855, 375, 14},
            {u"Text1"_qs, Kind::TextBox, u"Frame2"_qs, {}, 240, 720, 855, 375, 13},
            {u"Label3"_qs, Kind::Label, u"Frame2"_qs, u"النتيجة"_qs, 5160, 480, 1215, 255, 23,
             noColour, Align::Centre},
            {u"Label1"_qs,
             Kind::Label,
             u"Frame2"_qs,
             {},
             5040,
             960,
             1335,
             375,
             22,
             0xFFC0C0,
             Align::Centre},
            {u"Label2"_qs, Kind::Label, u"Frame2"_qs, u"القيمة الثانية"_qs, 240, 1560, 855, 255, 16,
             noColour, Align::Centre},
            {u"Label5"_qs, Kind::Label, u"Frame2"_qs, u"القيمة الأولى"_qs, 240, 360, 855, 255, 15,
             noColour, Align::Centre},
            {u"Command10"_qs, Kind::Button, u"window"_qs, u"خروج"_qs, 240, 7920, 1335, 375, 11},
            {u"Command9"_qs, Kind::Button, u"window"_qs, u"موقعي"_qs, 2760, 7920, 1335, 375, 10},
            {u"Command8"_qs, Kind::Button, u"window"_qs, u"بريدي"_qs, 4680, 7920, 1335, 375, 9},
            {u"Command7"_qs, Kind::Button, u"window"_qs, u"المصمم"_qs, 6600, 7920, 1335, 375, 8},
            {u"Frame1"_qs, Kind::Frame, u"window"_qs, u"الأشكال"_qs, 240, 240, 7575, 3015, 0},
            {u"Command6"_qs, Kind::Button, u"Frame1"_qs, u"المثلث"_qs, 120, 2280, 1455, 375, 7},
            {u"Command5"_qs, Kind::Button, u"Frame1"_qs, u"الدائرة"_qs, 120, 1320, 1455, 375, 6},
            {u"Command4"_qs, Kind::Button, u"Frame1"_qs, u"متوازي الأضلاع"_qs, 120, 360, 1455, 375,
             5},
            {u"Command3"_qs, Kind::Button, u"Frame1"_qs, u"المعين"_qs, 5880, 2280, 1455, 375, 4},
            {u"Command2"_qs, Kind::Button, u"Frame1"_qs, u"المستطيل"_qs, 5880, 1320, 1455, 375, 3},
            {u"Command1"_qs, Kind::Button, u"Frame1"_qs, u"المربع"_qs, 5880, 360, 1455, 375, 2},
            {u"Picture1"_qs, Kind::Picture, u"Frame1"_qs, {}, 1800, 240, 3735, 2655, 1},
            {u"Label4"_qs, Kind::Label, u"window"_qs, u"أتمنى أن ينال البرنامج إعجابكم"_qs, 2760,
             7200, 2175, 255, 25, 0xC0C0FF, Align::Centre},
        },
        [] {
            return new StartWindow({[](windows::WindowId) {}, [] {}});
        },
    };
}

} // namespace layout
