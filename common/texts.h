#pragma once
// The program's own texts, in one table, read by its code and by its resource
// script alike, hence macros. The source is UTF-8: the Windows build compiles the
// code's copies to GBK (code page 936), the code page its ANSI calls and its manifest
// give it, and the resource script's to UTF-16; the native build (veltro-cli, the
// core's tests) keeps UTF-8. scripts/wine-session.sh reads the caption from here,
// web/CMakeLists.txt the page's markup.

// The main window's caption, which is the game's name in the About box too.
#define TEXT_CAPTION "Veltro"

// The main window's buttons and the answer field's label.
#define TEXT_SUBMIT "提交"
#define TEXT_CUSTOM_HAND "自定义牌面"
#define TEXT_SHOW_RESULTS "显示结果"
#define TEXT_DEAL "发牌"
#define TEXT_CLOSE "关闭"
#define TEXT_ANSWER_LABEL "在此输入结果"

// The dialogs' buttons.
#define TEXT_OK "确定"
#define TEXT_CANCEL "取消"

// The Help and About boxes.
#define TEXT_HELP "一个简单的Veltro,相信不用什么说明便可上手,需要指出的是底部不断变化的数字代表本轮所用时间,单位是秒"
#define TEXT_THANKS "如果你喜欢这个软件，请告诉我，veltro@example.org，谢谢支持！"

// The verdict template's two lines, which the dialog replaces before it shows.
#define TEXT_VERDICT_HEADLINE_PLACEHOLDER "恭喜你!"
#define TEXT_VERDICT_DETAIL_PLACEHOLDER "即将开始下一题目..."

// The verdict dialog's two lines for a right and a wrong answer, and the headline
// of a text that is no valid expression.
#define TEXT_RIGHT_HEADLINE "祝贺你"
#define TEXT_RIGHT_DETAIL "开始下一局..."
#define TEXT_WRONG_HEADLINE "很遗憾！"
#define TEXT_WRONG_DETAIL "你的答案不正确"
#define TEXT_INVALID_HEADLINE "不是合法的表达式!"

// The detail of a text that is no valid expression, by its fault; the last three
// are formats of the offending characters and position.
#define TEXT_WRONG_NUMBER_COUNT "数字个数不符合要求!"
#define TEXT_CARD_NOT_USED "指定的数字没有使用!"
#define TEXT_UNBALANCED_PARENTHESES "括号不匹配!"
#define TEXT_BAD_LAST_CHARACTER_FORMAT "%c 不能作为最后一个字符"
#define TEXT_BAD_FIRST_CHARACTER_FORMAT "%c%s 不能作为第一个字符"  // %s: the rest of a 2-byte character
#define TEXT_BAD_CHARACTER_FORMAT "位置:%d 原因:%c%s 不能跟在 %c 后面"

// The solution list's one line for a hand without a solution.
#define TEXT_NO_SOLUTION "没有答案"

// The two items the main window adds to its system menu.
#define TEXT_HELP_MENU_ITEM "帮助(&H)..."
#define TEXT_ABOUT_MENU_ITEM "关于(&A)..."

// The page's own words: its description where it is installed, and names for what
// the window shows without one: the menu that holds Help and About, the regions a
// screen reader names, the keypad's delete key and the custom hand's four fields,
// by the place of their card.
#define TEXT_PAGE_DESCRIPTION "四张牌，加减乘除，算出 24"
#define TEXT_PAGE_MENU "菜单"
#define TEXT_PAGE_CARDS "本局的牌"
#define TEXT_PAGE_SOLUTIONS "全部解法"
#define TEXT_PAGE_SECONDS "本局用时（秒）"
#define TEXT_PAGE_KEYPAD "输入键盘"
#define TEXT_PAGE_DELETE "删除"
#define TEXT_PAGE_TOP_LEFT "左上"
#define TEXT_PAGE_TOP_RIGHT "右上"
#define TEXT_PAGE_BOTTOM_LEFT "左下"
#define TEXT_PAGE_BOTTOM_RIGHT "右下"

#ifndef RC_INVOKED
// Whether the texts are GBK in this build (2 bytes a Chinese character), or UTF-8 (3).
constexpr bool TextsAreGbk = sizeof("中") == 3;
#endif
