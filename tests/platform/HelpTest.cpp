// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace platform;

TEST(HelpViewer, ShowsAWholePageAndRefusesAMissingOrDamagedOne)
{
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QByteArray page =
        "<!DOCTYPE html>\n<html><body><h1>Quorvix</h1><p>Press your buzzer key.</p></body></html>\n";
    const QString whole = write("Solvo.hlp", page);

    // What is a whole page the help fuzz target checks; here, the viewer's use of that check.
    HelpViewer help;
    EXPECT_EQ(help.show(folder.filePath("missing.hlp")), HelpShown::Unreadable);
    EXPECT_EQ(help.show(write("damaged.hlp", page.left(page.size() / 2))), HelpShown::Damaged);
    EXPECT_EQ(help.window(), nullptr) << "nothing is shown";

    // Over a modal window, the help is a window of the modal one's own, so it takes input.
    QWidget rules;
    rules.setWindowModality(Qt::ApplicationModal);
    rules.show();
    EXPECT_EQ(help.show(whole), HelpShown::Shown);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_TRUE(help.window()->toPlainText().contains("Press your buzzer key."));
    EXPECT_EQ(help.window()->parentWidget(), &rules);
    EXPECT_TRUE(help.window()->isWindow());
}
