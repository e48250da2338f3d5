#pragma once

#include <QtGlobal>

#include <array>

namespace terrovane::res {

inline constexpr const char* kProgramName = "Terrovane";

// The about box; shown translated (context "About").
inline constexpr const char* kAboutMenuText = QT_TRANSLATE_NOOP("About", "关于 Terrovane(&A)...");
inline constexpr const char* kAboutCaption = QT_TRANSLATE_NOOP("About", "关于 Terrovane");
inline constexpr const char* kAboutVersion = QT_TRANSLATE_NOOP("About", "接地电阻测试仪v1.0 ");
inline constexpr const char* kAboutHeading = QT_TRANSLATE_NOOP("About", "本软件主要包括如下功能：");
inline constexpr std::array<const char*, 7> kAboutLines = {
    QT_TRANSLATE_NOOP("About", "1.读取:将测试仪中的数据读入PC并以图形方式显示; "),
    QT_TRANSLATE_NOOP("About", "2.保存:将测试仪中的数据保存至Excel表;"),
    QT_TRANSLATE_NOOP("About", "3.打印:将测试仪中的数据以表格方式打印;"),
    QT_TRANSLATE_NOOP("About", "4.显示:连续按该按钮可以实现循环显示一组数据;"),
    QT_TRANSLATE_NOOP("About", "5.设置:对测试仪中的时间日期进行设置;"),
    QT_TRANSLATE_NOOP("About", "6.删除:对测试仪中的一组或所有数据进行删除;"),
    QT_TRANSLATE_NOOP("About", "7.退出:终止本程序."),
};
inline constexpr const char* kAboutClose = QT_TRANSLATE_NOOP("About", "退出");

}  // namespace terrovane::res
