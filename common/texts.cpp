#include "common/texts.h"

const char RightHeadline[] = "祝贺你";
const char RightDetail[] = "开始下一局...";
const char WrongHeadline[] = "很遗憾！";
const char WrongDetail[] = "你的答案不正确";
const char InvalidHeadline[] = "不是合法的表达式!";

const char WrongNumberCountDetail[] = "数字个数不符合要求!";
const char CardNotUsedDetail[] = "指定的数字没有使用!";
const char UnbalancedParenthesesDetail[] = "括号不匹配!";
const char BadLastCharacterFormat[] = "%c 不能作为最后一个字符";
const char BadFirstCharacterFormat[] = "%c%s 不能作为第一个字符";
const char BadCharacterFormat[] = "位置:%d 原因:%c%s 不能跟在 %c 后面";

const char NoSolutionLine[] = "没有答案";

const char HelpMenuItem[] = "帮助(&H)...";
const char AboutMenuItem[] = "关于(&A)...";
