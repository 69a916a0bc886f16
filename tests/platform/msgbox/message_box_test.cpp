#include "platform/msgbox/MessageBox.h"

#include <gtest/gtest.h>

#include "platform/msgbox/ScriptedMessageBoxes.h"

using namespace platform;

struct DefaultCase {
    unsigned type;
    int answer;
};

class DefaultButtonAnswers : public testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultButtonAnswers, Answer) {
    EXPECT_EQ(defaultAnswer(GetParam().type), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DefaultButtonAnswers,
    testing::Values(DefaultCase{MB_OK, IDOK}, DefaultCase{MB_OK | MB_ICONEXCLAMATION, IDOK},
                    DefaultCase{MB_YESNO, IDYES}, DefaultCase{MB_YESNO | MB_DEFBUTTON2, IDNO},
                    DefaultCase{MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                    DefaultCase{MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                    DefaultCase{MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
                    // A default button the type does not have falls back to the first.
                    DefaultCase{MB_OK | MB_DEFBUTTON3, IDOK},
                    DefaultCase{MB_YESNO | MB_DEFBUTTON3, IDYES}, DefaultCase{0xE, IDOK}));

TEST(ButtonSets, ListTheAnswersInOrder) {
    EXPECT_EQ(buttonCount(MB_YESNO | MB_ICONQUESTION), 2);
    EXPECT_EQ(buttonAnswer(MB_YESNO, 1), IDNO);
    EXPECT_EQ(buttonAnswer(MB_YESNO, 2), 0);
    EXPECT_EQ(buttonCount(MB_OK), 1);
}

TEST(MessageBoxWithoutAHandler, AnswersTheDefaultButton) {
    EXPECT_EQ(messageBox(nullptr, u"网络读取失败", u"提示", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST(ScriptedMessages, RecordEveryMessageAndAnswerFromTheScript) {
    ScriptedMessageBoxes boxes;
    int owner = 0;
    boxes.answerNext(IDNO);
    EXPECT_EQ(messageBox(&owner, u"<北京>城市已经添加,是否覆盖!", u"提示", MB_YESNO), IDNO);
    EXPECT_EQ(messageBox(&owner, u"添加成功，是否马上更新？", u"提示", MB_YESNO), IDYES);
    EXPECT_EQ(messageBox(nullptr, u"无法打开网络连接"), IDOK);
    ASSERT_EQ(boxes.count(), 3u);
    const auto shown = boxes.shown();
    EXPECT_EQ(shown[0].owner, &owner);
    EXPECT_EQ(shown[0].caption, u"提示");
    EXPECT_EQ(shown[0].type, MB_YESNO);
    EXPECT_EQ(shown[2].caption, u"");
    EXPECT_TRUE(boxes.wasShown(u"无法打开网络连接"));
    EXPECT_FALSE(boxes.wasShown(u"无法打开网络"));
    EXPECT_EQ(boxes.texts().back(), u"无法打开网络连接");
}

TEST(ScriptedMessages, UnscriptedAnswersCanBeChosen) {
    ScriptedMessageBoxes boxes;
    boxes.answerUnscriptedWith(IDNO);
    EXPECT_EQ(messageBox(nullptr, u"a", u"", MB_YESNO), IDNO);
    boxes.clear();
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(boxes.last().text, u"");
}

TEST(ScriptedMessages, RestoreTheHandlerTheyReplaced) {
    ScriptedMessageBoxes outer;
    {
        ScriptedMessageBoxes inner;
        messageBox(nullptr, u"inner");
        EXPECT_EQ(inner.count(), 1u);
    }
    messageBox(nullptr, u"outer");
    EXPECT_EQ(outer.texts(), std::vector<std::u16string>{u"outer"});
}
