// Every text the user reads is stored as GBK bytes; compared here with glibc's own conversion of the
// UTF-8 text.
#include <engine/Texts.h>
#include <wizard/Texts.h>

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace
{

std::string ToGbk(const char* utf8)
{
    iconv_t converter = iconv_open("GBK", "UTF-8");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string input(utf8);
    std::string output(input.size() * 2 + 1, '\0');
    char* in = input.data();
    char* out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &out, &outLeft), static_cast<size_t>(-1)) << utf8;
    iconv_close(converter);
    output.resize(output.size() - outLeft);
    return output;
}

struct TextCase
{
    const char* name;
    const char* stored;
    const char* utf8;
};

#define TEXT_CASE(constant, utf8)                                                                            \
    {                                                                                                        \
#constant, constant, reinterpret_cast < const char*>(utf8)                                           \
    }

// clang-format off
const TextCase TEXTS[] = {
    TEXT_CASE(CAPTION_INSTALL, u8"安装"),
    TEXT_CASE(CAPTION_YES, u8"是"),
    TEXT_CASE(CAPTION_NEXT, u8"下一步"),
    TEXT_CASE(CAPTION_FINISH, u8"完成"),
    TEXT_CASE(CAPTION_BACK, u8"上一步"),
    TEXT_CASE(CAPTION_QUIT_SETUP, u8"退出安装"),
    TEXT_CASE(CAPTION_NO, u8"否"),
    TEXT_CASE(CAPTION_CANCEL, u8"取消"),
    TEXT_CASE(CAPTION_EXIT, u8"退出"),
    TEXT_CASE(STEP_TEXT_READ_LICENCE, u8"请阅读以下许可协议，使用滚动条查看整个协议。"),
    TEXT_CASE(STEP_TEXT_CHECKING_PACKAGE, u8"安装程序正在检测驱动完整性，请等待"),
    TEXT_CASE(STEP_TEXT_PACKAGE_DAMAGED, u8"安装程序损坏，请重新下载"),
    TEXT_CASE(STEP_TEXT_READY_TO_COPY, u8"安装程序有足够信息，可以开始复制文件"),
    TEXT_CASE(STEP_TEXT_COPYING, u8"安装程序正在复制文件，请等待..."),
    TEXT_CASE(STEP_TEXT_COPY_FAILED, u8"复制文件失败,点击“取消”，取消安装。"),
    TEXT_CASE(STEP_TEXT_COPY_DONE, u8"文件复制完成。\r\n请确认打印机电缆连接，然后点击“下一步”继续"),
    TEXT_CASE(STEP_TEXT_LOOKING_FOR_PRINTER, u8"程序正在查找打印机，请等待..."),
    TEXT_CASE(STEP_TEXT_INSTALLED, u8"打印机安装成功，请点击“完成”退出安装程序。"),
    TEXT_CASE(STEP_TEXT_CABLE_NOT_CONNECTED, u8"打印机USB连线未连接，请连接打印机，然后点击“下一步”继续安装,点击“取消”，取消安装。"),
    TEXT_CASE(STEP_TEXT_INSTALL_FAILED, u8"打印机安装失败，点击“取消”，取消安装。"),
    TEXT_CASE(LICENCE_NOTICE, u8"注：本产品及其随附软件的有限保修说明位于随本产品提供的产品说明文件中。请查看该说明文件。\r\n "),
    TEXT_CASE(MESSAGE_CHOOSE_CONNECTION, u8"请选择打印机连接方式"),
    TEXT_CASE(MESSAGE_CONFIRM_EXIT, u8"打印机还没有完成安装，确定要退出安装？请选择:"),
    TEXT_CASE(CAPTION_CONFIRM_EXIT, u8"安装提示"),
    TEXT_CASE(CAPTION_PACKAGE_FILE_MISSING, u8"安装文件受损：找不到文件"),
    TEXT_CASE(CAPTION_INSTALL_ERROR, u8"安装错误"),
    TEXT_CASE(MESSAGE_CHECK_USB_CABLE, u8"请检查打印机USB连线是否连接"),
    TEXT_CASE(MESSAGE_SETUPINF_FAILED, u8"setupinf 失败"),
    TEXT_CASE(ERROR_CODE_FORMAT, u8"错误代码: %lu"),
    TEXT_CASE(SUMMARY_FORMAT, u8"产品名称：\r\n\r\n          名称：TR-417V\r\n\r\n\r\n目标路径：\r\n\r\n         文件夹: %s"),
};
// clang-format on

TEST(Texts, AreStoredAsGbkBytes)
{
    for (const TextCase& text : TEXTS)
    {
        SCOPED_TRACE(text.name);
        EXPECT_EQ(std::string(text.stored), ToGbk(text.utf8));
    }
}

TEST(Texts, TheSummaryHasSeventyFourFixedBytes)
{
    const std::string format = SUMMARY_FORMAT;
    EXPECT_EQ(format.size() - 2, 74u);
    EXPECT_EQ(format.find("%s"), format.size() - 2);
    EXPECT_NE(format.find("\xA3\xBA"), std::string::npos); // the full-width colon
}

TEST(Texts, KeepTheirMixedPunctuationAndLineBreaks)
{
    // An ASCII comma, colon and full stops where the texts have them, and the trailing CR LF and space.
    EXPECT_NE(std::string(STEP_TEXT_COPY_FAILED).find("失败,"), std::string::npos);
    EXPECT_EQ(std::string(MESSAGE_CONFIRM_EXIT).back(), ':');
    EXPECT_EQ(std::string(STEP_TEXT_COPYING).substr(std::string(STEP_TEXT_COPYING).size() - 3), "...");
    const std::string notice = LICENCE_NOTICE;
    EXPECT_EQ(notice.substr(notice.size() - 3), "\r\n ");
}

} // namespace
