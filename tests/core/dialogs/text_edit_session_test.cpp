#include "dialogs/text_edit_session.h"

#include "platform/errors.h"
#include "support/editor_fixture.h"
#include "support/fake_memo.h"

namespace pw {
namespace {

class TextEditSessionTest : public EditorTest {
protected:
    FakeMemo memo;
    TextEditSession session{memo};
};

TEST_F(TextEditSessionTest, ARefusedIndexChangesNothing) {
    cWindow& w = AddWindow(0, 0, 50, 20);
    w.CurIndex = 4;
    w.Text.Set(4, "four");
    session.Start(w);
    session.Painted();
    memo.text = "edited";
    session.MemoChanged();
    EXPECT_THROW(session.IndexChanged("x1"), ConversionError);
    EXPECT_THROW(session.IndexChanged("-1"), Error);
    try {
        session.IndexChanged("100");
        ADD_FAILURE() << "index 100 taken";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'100' is not a valid index: indexes run from 0 to 99");
    }
    EXPECT_EQ(session.Draft().CurIndex, 4);
    EXPECT_EQ(session.Draft().Text[4], "four");
    EXPECT_EQ(memo.text, "edited");
    session.IndexChanged("99");
    EXPECT_EQ(session.Draft().Text[4], "edited");
    EXPECT_EQ(session.Draft().CurIndex, 99);
    EXPECT_EQ(w.Text[4], "four"); // the window itself waits for the dialog's caller
}

TEST_F(TextEditSessionTest, AnIndexOutsideTheTextsIsNeverWritten) {
    cWindow& w = AddWindow(0, 0, 50, 20);
    w.CurIndex = 150; // as a damaged layout file may hold it
    session.Start(w);
    session.Painted();
    EXPECT_FALSE(session.MemoEnabled());
    memo.text = "lost";
    session.MemoChanged();
    session.IndexChanged("3");
    EXPECT_EQ(session.Draft().CurIndex, 3);
    EXPECT_TRUE(session.MemoEnabled());
    EXPECT_EQ(memo.text, "");
    for (const std::string_view text : session.Draft().Text) EXPECT_EQ(text, "");
}

} // namespace
} // namespace pw
