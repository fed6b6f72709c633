// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Form.h"
#include "platform/window/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

TEST(QtMessageBoxes, ShowTheirTextAsTyped)
{
    platform::Activation activation;
    platform::QtMessageBoxes messages(activation);
    const QString text = "You've had all your turns, <img src=/dev/zero><b>Zoë</b>.";
    std::pair<QString, Qt::TextFormat> shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (const auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
            shown = {label->text(), label->textFormat()};
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(messages.show(text, "All Turns Used"), platform::Answer::Ok);
    EXPECT_EQ(shown, std::pair(text, Qt::PlainText));
}
