// The program's side of the web page it runs in: it tells the page, through the object the
// page hands the program as "telvanorPage", what the page cannot see on its canvas.

#include "Platform.h"

#include <QApplication>
#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <emscripten/val.h>

namespace {

void callPage(const char *function, const QString &argument = {})
{
    emscripten::val page = emscripten::val::module_property("telvanorPage");
    if (page.isUndefined())
        return;
    page.call<void>(function, argument.toStdString());
}

QJsonArray rectangle(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The windows on show, each with its title, its place with and without its frame (in the
// page's CSS pixels) and whether it has the focus and has been drawn.
QString windowsOnShow()
{
    QJsonArray windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !widget->windowHandle())
            continue;
        windows.append(QJsonObject{
            {QStringLiteral("title"), widget->windowTitle()},
            {QStringLiteral("frame"), rectangle(widget->frameGeometry())},
            {QStringLiteral("client"), rectangle(widget->geometry())},
            {QStringLiteral("active"), widget->isActiveWindow()},
            {QStringLiteral("exposed"), widget->windowHandle()->isExposed()},
        });
    }
    return QString::fromUtf8(QJsonDocument(windows).toJson(QJsonDocument::Compact));
}

// Watches every window for what changes the page's picture of them, and tells the page
// once the events of the moment have been handled; tells it at once of the program's end.
class PageLink : public QObject
{
public:
    PageLink() : QObject(qApp)
    {
        m_report.setSingleShot(true);
        m_report.setInterval(0);
        connect(&m_report, &QTimer::timeout, this, [] { callPage("windowsChanged", windowsOnShow()); });
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Quit:
            if (watched == qApp)
                callPage("ended");
            break;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::WindowTitleChange:
        case QEvent::Expose:
            if (watched->isWindowType() ||
                (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()))
                m_report.start();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QTimer m_report;
};

} // namespace

void connectToPage()
{
    new PageLink;
}
