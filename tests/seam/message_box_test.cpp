// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/message_box.h"
#include "seam/app_context.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_desktop.h"

namespace murax {
namespace {

using testing::FakeDesktop;

TEST(MessageText, SemicolonsBecomeLineBreaks)
{
    EXPECT_EQ(prepareMessageText("File;;/tapes/a;b.tap;;not found."),
              "File\r\n\r\n/tapes/a\r\nb.tap\r\n\r\nnot found.");
    EXPECT_EQ(prepareMessageText(";"), "\r\n");
    EXPECT_EQ(prepareMessageText(""), "");
}

TEST(MessageText, StrayCodePageLettersBecomeUtf8)
{
    EXPECT_EQ(prepareMessageText("citt\x85"), "citt\xC3\xA0");
    EXPECT_EQ(prepareMessageText("\x85\x8A\x82\x8D\x95\x97"),
              "\xC3\xA0\xC3\xA8\xC3\xA9\xC3\xAC\xC3\xB2\xC3\xB9");
    // Other stray bytes are neither letters of the fix-up nor dropped.
    EXPECT_EQ(prepareMessageText("a\x80\x86z"), "a\x80\x86z");
    EXPECT_EQ(prepareMessageText("Plain text, no accents."), "Plain text, no accents.");
}

TEST(MessageText, BytesInsideUtf8CharactersAreLeftAlone)
{
    // Å is C3 85, Ê is C3 8A, ĕ is C4 95: the second bytes look like code-page letters.
    EXPECT_EQ(prepareMessageText("\xC3\x85ngstr\xC3\xB6m \xC3\x8A \xC4\x95"),
              "\xC3\x85ngstr\xC3\xB6m \xC3\x8A \xC4\x95");
    // A four-byte character whose continuation bytes include 0x97 and 0x85.
    EXPECT_EQ(prepareMessageText("\xF0\x9F\x97\x85"), "\xF0\x9F\x97\x85");
    // A lead byte without its continuation does not shelter the byte after it...
    EXPECT_EQ(prepareMessageText("\xC3;"), "\xC3\r\n");
    // ...nor do overlong or surrogate forms: their 0x85 and 0x95 stand alone.
    EXPECT_EQ(prepareMessageText("\xE0\x85\x95"), "\xE0\xC3\xA0\xC3\xB2");
    EXPECT_EQ(prepareMessageText("\xED\xA0\x85"), "\xED\xA0\xC3\xA0");
    // A cut sequence at the end of the text.
    EXPECT_EQ(prepareMessageText("x\xE2\x82"), "x\xE2\xC3\xA9");
}

// The one table of what each kind of box offers: its icon, its buttons in order, what Enter
// answers and what Esc and the close box answer (0: nothing, the box stays).
TEST(MessageKinds, EachKindOffersItsButtonsAndAnswersEnterAndEsc)
{
    using D = Desktop;
    using I = MessageIcon;
    using K = MessageKind;
    const struct {
        K kind;
        I icon;
        std::vector<int> buttons;
        int enter, escape;
    } table[] = {
        {K::Inform, I::Information, {D::Ok}, D::Ok, D::Ok},
        {K::Confirm, I::Question, {D::Ok, D::Cancel}, D::Ok, D::Cancel},
        {K::AskOrCancel, I::Question, {D::Yes, D::No, D::Cancel}, D::Yes, D::Cancel},
        // "TAP has been changed. Save it?": a held Esc must not answer No.
        {K::Ask, I::Question, {D::Yes, D::No}, D::Yes, 0},
        {K::AskDefaultNo, I::Question, {D::Yes, D::No}, D::No, 0},
        {K::ConfirmStop, I::Stop, {D::Ok, D::Cancel}, D::Ok, D::Cancel},
    };
    ASSERT_EQ(messageKinds().size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const MessageKindDescription& kind = describe(table[i].kind);
        SCOPED_TRACE(kind.name);
        EXPECT_EQ(&kind, &messageKinds()[i]);
        EXPECT_EQ(kind.kind, table[i].kind);
        EXPECT_EQ(kind.icon, table[i].icon);
        EXPECT_EQ(kind.buttons, table[i].buttons);
        EXPECT_EQ(kind.defaultButton, table[i].enter);
        EXPECT_EQ(kind.escapeAnswer, table[i].escape);
    }
}

class MessageBoxTest : public ::testing::Test {
protected:
    FakeDesktop fake;
    AppContext app{fake};
};

TEST_F(MessageBoxTest, ShowsPreparedTextWithTitleThenOneEventPass)
{
    EXPECT_EQ(POPMSG(app, "File;;x;;not found.", MessageKind::Inform), 0);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "File\r\n\r\nx\r\n\r\nnot found.");
    EXPECT_EQ(fake.messages[0].title, "Attenzione");
    EXPECT_EQ(fake.messages[0].kind, 1);
    // Kind 1 has no beep; the pending events are handled once, after the box.
    EXPECT_EQ(fake.events,
              (std::vector<std::string>{"message 1: File\r\n\r\nx\r\n\r\nnot found.", "refresh"}));

    POPMSG(app, "Other", MessageKind::Inform, "Titolo");
    EXPECT_EQ(fake.messages[1].title, "Titolo");
}

TEST_F(MessageBoxTest, AskingKindsBeepBeforeTheBox)
{
    for (int kind = 2; kind <= 6; ++kind) {
        fake.events.clear();
        POPMSG(app, "Q", MessageKind{kind});
        EXPECT_EQ(fake.events, (std::vector<std::string>{
                                   "beep", "message " + std::to_string(kind) + ": Q", "refresh"}))
            << "kind " << kind;
    }
}

TEST_F(MessageBoxTest, ResultsFollowTheKind)
{
    struct Case {
        int kind;
        int button;
        int expected;
    };
    const Case cases[] = {
        {1, Desktop::Ok, 0},     {1, Desktop::Cancel, 0},
        {2, Desktop::Ok, 1},     {2, Desktop::Cancel, 0},
        {6, Desktop::Ok, 1},     {6, Desktop::Cancel, 0},
        {3, Desktop::Yes, 6},    {3, Desktop::No, 7},
        {3, Desktop::Cancel, 2}, {3, 0, 2},  // closed some other way: Cancel
        {4, Desktop::Yes, 1},    {4, Desktop::No, 0},
        {5, Desktop::Yes, 1},    {5, Desktop::No, 0},
    };
    for (const Case& c : cases) {
        fake.messageAnswers.push_back(c.button);
        EXPECT_EQ(POPMSG(app, "Q", MessageKind{c.kind}), c.expected)
            << "kind " << c.kind << " button " << c.button;
    }
}

}  // namespace
}  // namespace murax
