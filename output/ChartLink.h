// Opens the maker's pitch diameter chart page in the user's browser, after
// reminding the user to connect.
#pragma once

#include <QUrl>

#include <functional>

class QWidget;

namespace orvanta {

inline constexpr const char* kChartAddress = "http://www.orvanta.example/tech/pitchchart.html";
inline constexpr const char* kConnectFirst = "Make sure you are connected to the internet, then press OK.";
inline constexpr const char* kUnableToConnect = "Unable to connect to the Internet at this time";

// Hands an address to the platform's opener; its own answer is not used.
using UrlOpener = std::function<bool(const QUrl&)>;

bool openWithDesktop(const QUrl& url);

class ChartLink {
public:
    explicit ChartLink(UrlOpener opener = openWithDesktop);

    void open(QWidget& owner) const;

private:
    UrlOpener m_open;
};

} // namespace orvanta
