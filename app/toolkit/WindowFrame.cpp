#include "WindowFrame.h"

#include "Platform.h"
#include "WindowFramePlatforms.h"

#include <QWindow>

namespace {

// A window that is never shown, with the hints Qt gives the program's windows (fixed size
// included: some frames have a grip for resizing), so that the platform answers for the
// frame it would really put around them.
struct FrameProbe {
    explicit FrameProbe(Qt::WindowFlags flags)
    {
        window.setFlags(flags);
        window.setMinimumSize(QSize(100, 100));
        window.setMaximumSize(QSize(100, 100));
        window.create();
    }
    QWindow window;
};

} // namespace

QMargins learnWindowFrame(Qt::WindowFlags flags)
{
    switch (currentPlatform()) {
#ifdef TELVANOR_LINUX_LIKE
    case Platform::X11:
        return x11Frame(FrameProbe(flags).window);
    case Platform::Wayland:
        return waylandFrame(flags);
#endif
#ifdef Q_OS_WIN
    case Platform::Windows:
        return windowsFrame(FrameProbe(flags).window);
#endif
    case Platform::Web:
        // Qt draws the frame itself, and knows it as soon as the window exists.
        return FrameProbe(flags).window.frameMargins();
    default:
        return {};
    }
}
