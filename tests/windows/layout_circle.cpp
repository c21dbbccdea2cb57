// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"
#include "windows/shapes/circlewindow.h"

namespace layout {

Window circleWindow() {
    return {
        u"Form2"_qs,
        u"الدائرة"_qs,
        7995,
        8610,
        0xFFFFC0,
        {
            {u"Command5"_qs, Kind::Button, u"window"_qs, u"موقعي"_qs, 600, 8040, 975, 375, 24},
            {u"Command4"_qs, Kind::Button, u"window"_qs, u"بريدي"_qs, 3000, 8040, 975, 375, 23},
            {u"Command3"_qs, Kind::Button, u"window"_qs, u"المصمم"_qs, 5880, 8040, 975, 375, 22},
            {u"Frame5"_qs, Kind::Frame, u"window"_qs, u"شاشة المعلومات"_qs, 1080, 7200, 5295, 615,
             20},
            {u"Label10"_qs, Kind::Label, u"Frame5"_qs, u"أتمنى أن ينال البرنامج إعجابكم"_qs, 1080,
             240, 2775, 255, 21, noColour, Align::Centre},
            {u"Frame4"_qs, Kind::Frame, u"window"_qs, u"المساحة"_qs, 120, 4320, 3015, 2415, 4},
            {u"Command2"_qs, Kind::Button, u"Frame4"_qs, u"المساحة"_qs, 720, 1920, 1215, 375, 13},
            {u"Text4"_qs, Kind::TextBox, u"Frame4"_qs, u"النتيجة"_qs, 720, 1440, 1215, 285, 12,
             0xFFC0C0, Align::Centre},
            {u"Text3"_qs, Kind::TextBox, u"Frame4"_qs, {}, 240, 720, 1095, 285, 11},
            {u"Label5"_qs, Kind::Label, u"Frame4"_qs, u"نصف القطر"_qs, 1560, 720, 1095, 255, 14,
             noColour, Align::Centre},
            {u"Label4"_qs, Kind::Label, u"Frame4"_qs, u"المساحة= نق * نق * ط"_qs, 720, 240, 1455,
             255, 10, 0xC0C0FF, Align::Centre},
            {u"Frame3"_qs, Kind::Frame, u"window"_qs, u"المحيط"_qs, 4800, 4320, 3015, 2415, 3},
            {u"Text2"_qs, Kind::TextBox, u"Frame3"_qs, u"النتيجة"_qs, 720, 1440, 1335, 285, 9,
             0xFFC0C0, Align::Centre},
            {u"Text1"_qs, Kind::TextBox, u"Frame3"_qs, {}, 240, 720, 1215, 285, 7},
            {u"Command1"_qs, Kind::Button, u"Frame3"_qs, u"المحيط"_qs, 720, 1920, 1335, 375, 6},
            {u"Label3"_qs, Kind::Label, u"Frame3"_qs, u"نصف القطر"_qs, 1680, 720, 1095, 375, 8,
             noColour, Align::Centre},
            {u"Label2"_qs, Kind::Label, u"Frame3"_qs, u"المحيط =  2 * نق * ط"_qs, 720, 240, 1455,
             255, 5, 0xC0C0FF, Align::Left},
            {u"Frame2"_qs, Kind::Frame, u"window"_qs, u"مكونات الدائرة"_qs, 120, 1200, 7695, 3015,
             2},
            {u"Picture1"_qs, Kind::Picture, u"Frame2"_qs, {}, 120, 240, 3015, 2415, 15},
            {u"Label9"_qs, Kind::Label, u"Frame2"_qs,
             u"تسمى المسافة بين مركز الدائرة ومحيط الدائرة نصف القطر، وهو كلمة تُستخدم لتعني أي خط يصل بين مركز الدائرة ومحيط الدائرة."_qs,
             3960, 2160, 3615, 735, 19, 0xFFE0C0, Align::Right},
            {u"Label8"_qs, Kind::Label, u"Frame2"_qs, u"القوس  جزء متصل من محيط الدائرة"_qs, 3960,
             1680, 3615, 375, 18, 0xC0C0FF, Align::Centre},
            {u"Label7"_qs, Kind::Label, u"Frame2"_qs,
             u"القطر هو أطول وتر في الدائرة، ويقسم الدائرة إلى جزءين متساويين، يعرفان بنصفي الدائرة"_qs,
             3960, 960, 3615, 615, 17, 0xFFE0C0, Align::Centre},
            {u"Label6"_qs, Kind::Label, u"Frame2"_qs,
             u"يعرف الوتر بأنه خط مستقيم بين أي نقطتين على محيط الدائرة. وإذا مر الوتر بمركز الدائرة، فإنه يُسمى القطر"_qs,
             3960, 360, 3615, 495, 16, 0xC0C0FF, Align::Centre},
            {u"Frame1"_qs, Kind::Frame, u"window"_qs, u"تعريف"_qs, 720, 120, 6495, 855, 0},
            {u"Label1"_qs, Kind::Label, u"Frame1"_qs,
             u"الدائرة منحنىً مغلقٌ على سطح. تبعد جميع نقاط ذلك المنحنى المسافة نفسها من نقطة تقع داخل المنحنى. وتعرف هذه النقطة بالمركز وفي كل دائرة 360 درجة°"_qs,
             480, 240, 5895, 495, 1, 0xE0E0E0, Align::Centre},
            {u"Label11"_qs, Kind::Label, u"window"_qs, u"ط = (PI) ويساوي 3,14159"_qs, 3480, 4440,
             1095, 615, 25, noColour, Align::Centre},
        },
        [] { return new CircleWindow; },
    };
}

} // namespace layout
