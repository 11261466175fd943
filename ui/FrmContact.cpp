#include "FrmContact.h"

#include "forms/Accessibility.h"
#include "forms/Look.h"

namespace orvanta {

using forms::FontSpec;

namespace {

// Fictional numbers: the program ships no real contact data.
const QString kPhones = QStringLiteral("Phone: (555) 010-4477        (555) 010-4478        (555) 010-4479");
const QString kFaxes = QStringLiteral("Fax:     (555) 010-4480        (555) 010-4481        (555) 010-4482");

} // namespace

FrmContact::FrmContact()
    : FormWindow(QStringLiteral("frmcontact"))
    , cmdclose(new forms::CommandButton(*this, QStringLiteral("cmdclose"), QStringLiteral("Close")))
    , cmdprint(new forms::CommandButton(*this, QStringLiteral("cmdprint"), QStringLiteral("&Print")))
{
    setWindowTitle(QStringLiteral("Form1"));
    setFont(forms::formFont(FontSpec{}));
    forms::setBackground(*this, QPalette::HighlightedText);
    setClientSizeTwips(10725, 2865);

    cmdclose->setGeometry(pixels({120, 120, 975, 375}));
    cmdprint->setGeometry(pixels({1080, 120, 975, 375}));
    forms::setAccessibleText(*cmdclose, QStringLiteral("Close"), QStringLiteral("Closes this window (Esc)."));
    forms::setAccessibleText(*cmdprint, QStringLiteral("Print"),
                             QStringLiteral("Prints an image of this window (Enter)."));
    addToTabOrder(cmdprint, 3);
    addToTabOrder(cmdclose, 4);
    setDefaultButton(cmdprint);
    setCancelButton(cmdclose);

    const FontSpec bold{9.75, true, false};
    forms::makeLabel(*this, QStringLiteral("Label1"), QStringLiteral("To Contact Orvanta"),
                     pixels({3240, 240, 3855, 375}),
                     {std::nullopt, std::nullopt, false, Qt::AlignLeft, FontSpec{13.5, true, true}});
    forms::makeLabel(*this, QStringLiteral("Label6"), kPhones, pixels({1560, 960, 7335, 255}),
                     {std::nullopt, std::nullopt, false, Qt::AlignLeft, bold});
    forms::makeLabel(*this, QStringLiteral("Label7"), kFaxes, pixels({1560, 1440, 7455, 255}),
                     {std::nullopt, std::nullopt, false, Qt::AlignLeft, bold});
}

} // namespace orvanta
