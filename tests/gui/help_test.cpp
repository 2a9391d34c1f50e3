#include "gui/canvas_view.h"
#include "gui/help_key.h"
#include "gui/help_window.h"
#include "gui/setup_dialog.h"
#include "gui_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>

#include <set>

namespace pw {
namespace {

using HelpTest = GuiTest;

QString Page(const QString& name) {
    QFile file(":/help/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_F(HelpTest, EveryHelpContextTheProgramUsesHasAPage) {
    Start();
    std::set<int> contexts;
    QObjectList objects = main->findChildren<QObject*>();
    objects << main.get();
    for (const QObject* o : objects)
        if (const int context = o->property(kHelpContextProperty).toInt()) contexts.insert(context);
    // The menus and the dialogs are among them.
    EXPECT_TRUE(contexts.contains(790) && contexts.contains(400) && contexts.contains(160));
    for (const int context : contexts) EXPECT_TRUE(HasHelpPage(context)) << context;
    EXPECT_TRUE(HasHelpPage(kContentsTopic));
}

TEST_F(HelpTest, EveryLinkOfEveryPageLeadsToAPageAndPlaceThatExist) {
    const QRegularExpression link(R"(href="([^"#:]*)(?:#([^"]*))?")");
    const QStringList pages = QDir(":/help").entryList();
    ASSERT_FALSE(pages.isEmpty()) << "the help pages are compiled in";
    int links = 0;
    for (const QString& name : pages) {
        auto it = link.globalMatch(Page(name));
        while (it.hasNext()) {
            const auto m = it.next();
            ++links;
            const QString target = m.captured(1).isEmpty() ? name : m.captured(1);
            const QString page = Page(target);
            EXPECT_FALSE(page.isEmpty()) << name.toStdString() << " -> " << target.toStdString();
            if (!m.captured(2).isEmpty()) {
                EXPECT_TRUE(page.contains("name=\"" + m.captured(2) + "\""))
                    << name.toStdString() << " -> " << m.captured(0).toStdString();
            }
        }
    }
    EXPECT_GT(links, 0);
}

TEST_F(HelpTest, F1OpensTheTopicOfTheHighlightedMenuItemOrOfWhereTheUserIs) {
    Start();
    auto* file = main->findChild<QMenu*>("File1");
    file->popup(main->mapToGlobal(QPoint(0, 0)));
    file->setActiveAction(main->MenuItem("Load1"));
    QTest::keyClick(file, Qt::Key_F1);
    ASSERT_NE(TheHelpWindow(), nullptr);
    EXPECT_TRUE(TheHelpWindow()->isVisible());
    EXPECT_EQ(TheHelpWindow()->Browser()->source(), HelpPage(290));
    file->setActiveAction(main->MenuItem("Save1")); // no topic of its own: the menu's
    QTest::keyClick(file, Qt::Key_F1);
    EXPECT_EQ(TheHelpWindow()->Browser()->source(), HelpPage(790));
    file->hide();

    forms.fSetUp->show();
    QTest::keyClick(forms.fSetUp->ebJobName, Qt::Key_F1);
    EXPECT_EQ(TheHelpWindow()->Browser()->source(), HelpPage(160));
    forms.fSetUp->hide();
    QTest::keyClick(main->Canvas(), Qt::Key_F1);
    EXPECT_EQ(TheHelpWindow()->Browser()->source(), HelpPage(40));
    main->MenuItem("Help1")->trigger();
    EXPECT_EQ(TheHelpWindow()->Browser()->source(), HelpPage(kContentsTopic));
}

} // namespace
} // namespace pw
