#pragma once

#include <array>

namespace terrovane::res {

// The main program's profile key: the settings organisation under which its values are kept.
inline constexpr const char* kProfileKey = "应用程序向导生成的本地应用程序";
inline constexpr const char* kProgramName = "Terrovane";

// The about box.
inline constexpr const char* kAboutMenuText = "关于 Terrovane(&A)...";
inline constexpr const char* kAboutCaption = "关于 Terrovane";
inline constexpr const char* kAboutVersion = "接地电阻测试仪v1.0 ";
inline constexpr const char* kAboutHeading = "本软件主要包括如下功能：";
inline constexpr std::array<const char*, 7> kAboutLines = {
    "1.读取:将测试仪中的数据读入PC并以图形方式显示; ",
    "2.保存:将测试仪中的数据保存至Excel表;",
    "3.打印:将测试仪中的数据以表格方式打印;",
    "4.显示:连续按该按钮可以实现循环显示一组数据;",
    "5.设置:对测试仪中的时间日期进行设置;",
    "6.删除:对测试仪中的一组或所有数据进行删除;",
    "7.退出:终止本程序.",
};
inline constexpr const char* kAboutClose = "退出";

}  // namespace terrovane::res
