// The wizard's texts, exactly as the user reads them. The source is UTF-8; the compiler stores every
// narrow string in code page 936 (GBK), the code page of the ANSI functions on a Chinese Windows.
#pragma once

// Captions of the three buttons.
constexpr char CAPTION_INSTALL[] = "安装";
constexpr char CAPTION_YES[] = "是";
constexpr char CAPTION_NEXT[] = "下一步";
constexpr char CAPTION_FINISH[] = "完成";
constexpr char CAPTION_BACK[] = "上一步";
constexpr char CAPTION_QUIT_SETUP[] = "退出安装";
constexpr char CAPTION_NO[] = "否";
constexpr char CAPTION_CANCEL[] = "取消";
constexpr char CAPTION_EXIT[] = "退出";

// The step text of each page.
constexpr char STEP_TEXT_READ_LICENCE[] = "请阅读以下许可协议，使用滚动条查看整个协议。";
constexpr char STEP_TEXT_CHECKING_PACKAGE[] = "安装程序正在检测驱动完整性，请等待";
constexpr char STEP_TEXT_PACKAGE_DAMAGED[] = "安装程序损坏，请重新下载";
constexpr char STEP_TEXT_READY_TO_COPY[] = "安装程序有足够信息，可以开始复制文件";
constexpr char STEP_TEXT_COPYING[] = "安装程序正在复制文件，请等待...";
constexpr char STEP_TEXT_COPY_FAILED[] = "复制文件失败,点击“取消”，取消安装。";
constexpr char STEP_TEXT_COPY_DONE[] = "文件复制完成。\r\n请确认打印机电缆连接，然后点击“下一步”继续";
constexpr char STEP_TEXT_LOOKING_FOR_PRINTER[] = "程序正在查找打印机，请等待...";
constexpr char STEP_TEXT_INSTALLED[] = "打印机安装成功，请点击“完成”退出安装程序。";
constexpr char STEP_TEXT_CABLE_NOT_CONNECTED[] =
    "打印机USB连线未连接，请连接打印机，然后点击“下一步”继续安装,点击“取消”，取消安装。";
constexpr char STEP_TEXT_INSTALL_FAILED[] = "打印机安装失败，点击“取消”，取消安装。";

// The licence notice of the information box; it ends with CR LF and one space.
constexpr char LICENCE_NOTICE[] =
    "注：本产品及其随附软件的有限保修说明位于随本产品提供的产品说明文件中。请查看该说明文件。\r\n ";

// Message boxes of the wizard.
constexpr char MESSAGE_CHOOSE_CONNECTION[] = "请选择打印机连接方式";
constexpr char MESSAGE_CONFIRM_EXIT[] = "打印机还没有完成安装，确定要退出安装？请选择:";
constexpr char CAPTION_CONFIRM_EXIT[] = "安装提示";
