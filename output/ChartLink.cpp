#include "ChartLink.h"

#include "forms/MessageBox.h"

#include <QDesktopServices>

namespace orvanta {

bool openWithDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

ChartLink::ChartLink(UrlOpener opener)
    : m_open(std::move(opener))
{
}

void ChartLink::open(QWidget& owner) const
{
    if (!forms::askOkCancel(&owner, QString::fromLatin1(kConnectFirst))) {
        return;
    }
    // Any failure raised while opening ends in the one message.
    try {
        // The opener's own answer is not examined: a browser that failed to
        // start reports itself, and the program adds nothing.
        static_cast<void>(m_open(QUrl(QString::fromLatin1(kChartAddress))));
    } catch (...) {
        forms::showMessage(&owner, QString::fromLatin1(kUnableToConnect));
    }
}

} // namespace orvanta
