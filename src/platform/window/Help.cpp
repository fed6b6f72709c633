// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Help.h"

#include "platform/DataFiles.h"
#include "platform/window/DesignScale.h"
#include "platform/window/ScreenMemory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBrowser>

namespace platform {

HelpViewer::~HelpViewer()
{
    delete window_;
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

// The help's window: its text and its button scale with the window's size, as the game's
// windows do; F11 and Escape work as on them.
class HelpWindow final : public QWidget {
public:
    static constexpr QSize designSize{560, 520};

    explicit HelpWindow(ScreenMemory& memory) : screen_(*this, memory)
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("Quorvix Help"));
        setMinimumSize(designSize);
        resize(designSize);
        text_ = new QTextBrowser(this);
        text_->setObjectName(QStringLiteral("helpText"));
        // The page's links stay on the page; the arrows scroll it.
        text_->setOpenLinks(false);
        text_->setFocusPolicy(Qt::NoFocus);
        closeButton_ = new QPushButton(QStringLiteral("Close"), this);
        closeButton_->setObjectName(QStringLiteral("close"));
        connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
        closeButton_->setFocus();
        ring_ = new QWidget(this);
        ring_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void showPage(const QString& html, const QString& part)
    {
        text_->setHtml(html);
        screen_.beforeShow();
        show();
        raise();
        activateWindow();
        closeButton_->setFocus();
        text_->scrollToAnchor(part);
        if (part.isEmpty())
            text_->verticalScrollBar()->setValue(0);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        const qreal scale = DesignScale::fitScale(designSize, size());
        setFont(DesignScale::scaledFont(QApplication::font(), scale));
        const int margin = qRound(8 * scale);
        const QSize button = QSize(96, 30) * scale;
        closeButton_->setGeometry((width() - button.width()) / 2, height() - margin - button.height(), button.width(),
                                  button.height());
        text_->setGeometry(margin, margin, width() - 2 * margin, closeButton_->y() - 2 * margin);
        // The focus is always on Close, the window's one control: ringed as on the game's windows.
        const int ring = qMax(2, qRound(4 * scale));
        ring_->setGeometry(closeButton_->geometry().adjusted(-ring, -ring, ring, ring));
        ring_->setStyleSheet(QStringLiteral("border: %1px solid #ffff00;").arg(ring));
        QWidget::resizeEvent(event);
        screen_.resized(event->oldSize(), event->size());
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        QScrollBar* scroll = text_->verticalScrollBar();
        switch (event->key()) {
        case Qt::Key_Escape: close(); break;
        case Qt::Key_F11:
            if (!event->isAutoRepeat())
                screen_.setFullScreen(!screen_.isFullScreen());
            break;
        case Qt::Key_Up: scroll->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case Qt::Key_Down: scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case Qt::Key_PageUp: scroll->triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case Qt::Key_PageDown: scroll->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: closeButton_->click(); break;
        default: QWidget::keyPressEvent(event); break;
        }
    }

    void hideEvent(QHideEvent* event) override
    {
        screen_.hidden();
        QWidget::hideEvent(event);
    }

private:
    WindowScreen screen_;
    QTextBrowser* text_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QWidget* ring_ = nullptr;
};

}  // namespace

QWidget* HelpViewer::openWindow() const
{
    return window_ && window_->isVisible() ? window_.data() : nullptr;
}

HelpShown HelpViewer::show(const QString& fileName, const QString& part)
{
    // The help is a few kilobytes; a file of megabytes is not it.
    const auto bytes = readWholeFile(fileName, 4 << 20);
    if (!bytes)
        return HelpShown::Unreadable;
    if (!isWholeHelpPage(*bytes))
        return HelpShown::Damaged;
    if (!window_)
        window_ = new HelpWindow(screen_);
    // Over a modal window (the rules window, say) only its own children take input.
    QWidget* modal = QApplication::activeModalWidget();
    if (window_->parentWidget() != modal)
        window_->setParent(modal, Qt::Window);
    static_cast<HelpWindow*>(window_.data())->showPage(QString::fromUtf8(*bytes), part);
    return HelpShown::Shown;
}

}  // namespace platform
