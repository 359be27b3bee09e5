// The texts of the installation engine's message boxes and summary, as the user reads them; stored in
// code page 936 (GBK) like every narrow string of the program.
#pragma once

constexpr char CAPTION_PACKAGE_FILE_MISSING[] = "安装文件受损：找不到文件";
constexpr char CAPTION_INSTALL_ERROR[] = "安装错误";
constexpr char MESSAGE_CHECK_USB_CABLE[] = "请检查打印机USB连线是否连接";
constexpr char MESSAGE_SETUPINF_FAILED[] = "setupinf 失败";
// Shown where the system has no text for an error code.
constexpr char ERROR_CODE_FORMAT[] = "错误代码: %lu";

// The installation summary, with the driver directory in place of %s. No line break after the last line.
constexpr char SUMMARY_FORMAT[] =
    "产品名称：\r\n\r\n          名称：TR-417V\r\n\r\n\r\n目标路径：\r\n\r\n         文件夹: %s";
