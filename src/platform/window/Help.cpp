// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Help.h"

#include "platform/DataFiles.h"
#include "platform/window/DesignScale.h"

#include <QApplication>
#include <QStringDecoder>
#include <QTextBrowser>

namespace platform {

HelpViewer::~HelpViewer()
{
    delete window_;
}

QTextBrowser* HelpViewer::window() const
{
    return window_;
}

bool isWholeHelpPage(const QByteArray& bytes)
{
    // Stateless, so that a sequence cut off at the end counts as an error too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return false;
    // A page cut short loses its closing tag first.
    const QString trimmed = text.trimmed();
    const bool opens = trimmed.startsWith(QStringLiteral("<!DOCTYPE html"), Qt::CaseInsensitive) ||
                       trimmed.startsWith(QStringLiteral("<html"), Qt::CaseInsensitive);
    return opens && trimmed.endsWith(QStringLiteral("</html>"), Qt::CaseInsensitive);
}

namespace {

// The help's window: its text scales with the window's size, as the game's windows do.
class HelpWindow final : public QTextBrowser {
public:
    static constexpr QSize designSize{560, 520};

    HelpWindow()
    {
        setWindowTitle(QStringLiteral("Quorvix Help"));
        setMinimumSize(designSize);
        resize(designSize);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        setFont(DesignScale::scaledFont(QApplication::font(), DesignScale::fitScale(designSize, size())));
        QTextBrowser::resizeEvent(event);
    }
};

}  // namespace

HelpShown HelpViewer::show(const QString& fileName)
{
    // The help is a few kilobytes; a file of megabytes is not it.
    const auto bytes = readWholeFile(fileName, 4 << 20);
    if (!bytes)
        return HelpShown::Unreadable;
    if (!isWholeHelpPage(*bytes))
        return HelpShown::Damaged;
    if (!window_)
        window_ = new HelpWindow;
    // Over a modal window (the rules window, say) only its own children take input.
    QWidget* modal = QApplication::activeModalWidget();
    if (window_->parentWidget() != modal)
        window_->setParent(modal, Qt::Window);
    window_->setHtml(QString::fromUtf8(*bytes));
    window_->show();
    window_->raise();
    window_->activateWindow();
    return HelpShown::Shown;
}

}  // namespace platform
