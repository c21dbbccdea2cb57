// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"
#include "windows/reference/trianglewindow.h"

namespace layout {

Window triangleWindow() {
    return {
        u"Form3"_qs,
        u"المثلث"_qs,
        7995,
        8610,
        0xC0C0FF,
        {
            {u"Frame2"_qs, Kind::Frame, u"window"_qs, u"أنواع المثلثات"_qs, 120, 2040, 7695, 6135,
             3},
            {u"Frame3"_qs, Kind::Frame, u"Frame2"_qs, u"الأنواع"_qs, 3600, 1680, 3975, 4335, 6},
            {u"Label8"_qs, Kind::Label, u"Frame3"_qs,
             u"مثلث حاد الزوايا: كل زواياه قياسها أصغر من 90 درجة (زاوية حادة)."_qs, 120, 3720,
             3735, 495, 12, 0xFF8080, Align::Right},
            {u"Label7"_qs, Kind::Label, u"Frame3"_qs,
             u"مثلث منفرج الزاوية: له زاوية قياسها أكبر من 90 درجة واصغر من 180 درجة(زاوية منفرجه)"_qs,
             120, 3120, 3735, 495, 11, 0xC0FFC0, Align::Right},
            {u"Label6"_qs, Kind::Label, u"Frame3"_qs,
             u"مثلث قائم: له زاوية قياسها 90 درجة (زاوية قائمة)، يدعى الضلع المقابل للزاوية القائمة بالوتر، وهو أطول أضلاع هذا المثلث."_qs,
             120, 2400, 3735, 615, 10, 0xC0FFFF, Align::Right},
            {u"Label5"_qs, Kind::Label, u"Frame3"_qs,
             u"مثلث مختلف الأضلاع: هو مثلث أطوال أضلاعه مختلفة. زوايا هذا المثلث تكون مختلفة القيم أيضا."_qs,
             120, 1800, 3735, 495, 9, 0xFFC0FF, Align::Right},
            {u"Label4"_qs, Kind::Label, u"Frame3"_qs,
             u"مثلث متساوي الساقين: هو مثلث فيه ضلعان متساويان. الزاويتان المقابلتان لهذين الضلعين تكونان متساويتان أيضا."_qs,
             120, 1080, 3735, 615, 8, 0xFFFFC0, Align::Right},
            {u"Label3"_qs, Kind::Label, u"Frame3"_qs,
             u"مثلث متساوي الأضلاع: هو مثلث أضلاعه متساوية. جميع زوايا المثلث متساوي الاضلاع متساوية أيضا، وقيمتها 60 درجة."_qs,
             120, 360, 3735, 615, 7, 0xFFC0C0, Align::Right},
            {u"Picture2"_qs, Kind::Picture, u"Frame2"_qs, {}, 120, 1200, 3375, 3975, 4},
            {u"Label2"_qs, Kind::Label, u"Frame2"_qs,
             u"يمكن تصنيف المثلثات بزواياها وحسب العلاقة بين أضلاعها. وفي الشكل المرفق، تمثل الخطوط الزرقاء أضلاعًا متساوية الطول في المثلث، أما الرموز الحمراء فتمثل زوايا متساوية. ويمثل الصندوق الصغير، ذو اللون الرمادي زاوية قائمة أي زاوية تساوي 90°، والمثلث القائم الزاوية هو الذي تكون إحدى زواياه قائمة (أي 90°) ولا يمكن أن يكون في أي مثلث أكثر من زاوية واحدة قائمة أو منفرجة. "_qs,
             3600, 120, 3975, 1455, 5, 0xFFE0C0, Align::Right},
            {u"Frame1"_qs, Kind::Frame, u"window"_qs, u"المثلث و أجزائه"_qs, 120, 120, 7695, 1815,
             0},
            {u"Picture1"_qs, Kind::Picture, u"Frame1"_qs, {}, 240, 240, 3255, 1575, 1},
            {u"Label1"_qs, Kind::Label, u"Frame1"_qs,
             u"المثلث شكل مستو له ثلاثة أضلاع وثلاث زوايا. وتتقابل الخطوط المستقيمة التي تمثل أضلاع المثلث في ثلاث نقاط تُسمى الرؤوس. ويشكل كل رأس مع ضلعيه المحيطين زاوية من زوايا المثلث. "_qs,
             3960, 480, 3495, 855, 2, 0xE0E0E0, Align::Centre},
        },
        [] { return new TriangleWindow; },
    };
}

} // namespace layout
