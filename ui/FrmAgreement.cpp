#include "FrmAgreement.h"

#include "forms/Accessibility.h"
#include "forms/Look.h"

#include <QListWidget>

namespace orvanta {

using forms::FontSpec;
using forms::LabelLook;

FrmAgreement::FrmAgreement()
    : FormWindow(QStringLiteral("frmagreement"))
    , List1(new QListWidget(this))
    , cmdagree(button("cmdagree", " AGREE ", {1440, 4080, 2000, 500}, 5))
    , cmdexit(button("cmdexit", "CANCEL", {4440, 4080, 2000, 500}, 4))
{
    setWindowTitle(QStringLiteral("User Agreement"));
    setFont(forms::formFont(FontSpec{}));
    forms::setBackground(*this, QPalette::HighlightedText);
    setClientSizeTwips(8550, 6405);

    const LabelLook plain{std::nullopt, std::nullopt, false, Qt::AlignLeft, std::nullopt};
    forms::makeLabel(*this, QStringLiteral("Label2"), QStringLiteral("Orvanta User Agreement."),
                     pixels({480, 120, 7815, 375}),
                     {std::nullopt, QColor(192, 0, 0), false, Qt::AlignLeft, FontSpec{13.5, true, true}});
    forms::makeLabel(*this, QStringLiteral("Label1"),
                     QStringLiteral(" By using this FREE program, you agree to the following conditions. "),
                     pixels({720, 600, 6975, 375}),
                     {std::nullopt, std::nullopt, false, Qt::AlignLeft, FontSpec{9.75, true, false}});
    forms::makeLabel(
        *this, QStringLiteral("Label6"),
        QStringLiteral("If you agree to abide by these terms of use, then click AGREE to use this program."),
        pixels({600, 3120, 6495, 375}), plain);
    forms::makeLabel(
        *this, QStringLiteral("Label7"),
        QStringLiteral(
            "If you do not agree to abide by these terms of use, then click CANCEL below to exit this program."),
        pixels({600, 3480, 7215, 375}), plain);

    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(pixels({240, 1200, 8055, 1620}));
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setUniformItemSizes(true); // one line each: measured once, not 37 times
    List1->addItems(agreementLines());
    List1->setFocusPolicy(Qt::StrongFocus);
    addToTabOrder(List1, 6);

    setDefaultButton(cmdexit);
    setCancelButton(cmdexit);

    forms::setAccessibleText(*List1, QStringLiteral("User agreement"),
                             QStringLiteral("The terms of use of this free program."));
    forms::setAccessibleText(*cmdagree, QStringLiteral("Agree"),
                             QStringLiteral("Accepts the terms and opens the calculator."));
    forms::setAccessibleText(*cmdexit, QStringLiteral("Cancel"),
                             QStringLiteral("Declines the terms and exits the program (Enter or Esc)."));
}

forms::CommandButton* FrmAgreement::button(const char* name, const char* caption, const forms::TwipsRect& rect,
                                           int tabIndex)
{
    auto* made = new forms::CommandButton(*this, QString::fromLatin1(name), QString::fromLatin1(caption));
    made->setGeometry(pixels(rect));
    made->setTabStop(true);
    addToTabOrder(made, tabIndex);
    return made;
}

QStringList FrmAgreement::agreementLines()
{
    return {
        QStringLiteral("Orvanta User Agreement"),
        QString(),
        QString(),
        // Acceptance on use.
        QStringLiteral("PLEASE READ THIS AGREEMENT BEFORE USING THE PROGRAM. BY OPENING,"),
        QStringLiteral("INSTALLING OR USING THIS PROGRAM YOU ACCEPT ALL OF THE TERMS OF THIS"),
        QStringLiteral("AGREEMENT. IF YOU DO NOT ACCEPT THEM, DO NOT USE THE PROGRAM: CLICK"),
        QStringLiteral("CANCEL AND REMOVE IT FROM YOUR COMPUTER. THE PROGRAM IS FREE OF CHARGE"),
        QStringLiteral("AND IS OFFERED TO YOU ONLY ON THESE TERMS."),
        QString(),
        // Ownership and copying.
        QStringLiteral("Ownership and copying. Orvanta owns the program, its screens and its"),
        QStringLiteral("documentation, and all rights in them. You may use the program on any"),
        QStringLiteral("number of computers and may copy it and give copies away, provided that"),
        QStringLiteral("each copy is complete and unchanged, carries this agreement, and is"),
        QStringLiteral("given free of charge. Using the program gives you no right in Orvanta's"),
        QStringLiteral("name or logo."),
        QString(),
        // Restrictions.
        QStringLiteral("Restrictions. You may not sell, rent or lease the program, charge for"),
        QStringLiteral("copies of it, or include it in a product that is sold. You may not"),
        QStringLiteral("alter the program or present it, or results taken from it, as the work"),
        QStringLiteral("of anyone other than Orvanta."),
        QString(),
        // Disclaimer of warranties.
        QStringLiteral("No warranty. The program is provided \"as is\", without warranty of any"),
        QStringLiteral("kind, express or implied, including fitness for a particular purpose."),
        QStringLiteral("Its results are suggestions for planning work before plating. Check every"),
        QStringLiteral("value against the applicable thread standard and your own process before"),
        QStringLiteral("you machine, plate or gauge parts. Orvanta is not liable for any loss or"),
        QStringLiteral("damage, including scrapped parts, lost time or lost profit, arising from"),
        QStringLiteral("the use of the program or from being unable to use it."),
        QString(),
        // Entire agreement and termination.
        QStringLiteral("Entire agreement. This is the whole agreement between you and Orvanta"),
        QStringLiteral("about the program and replaces anything said or written before it. If"),
        QStringLiteral("a part of it cannot be enforced, the rest still applies. The agreement"),
        QStringLiteral("lasts until it ends. It ends at once if you break any of its terms; you"),
        QStringLiteral("may end it at any time by destroying every copy of the program you hold."),
        QStringLiteral("When it ends you must stop using the program."),
        QString(),
        QStringLiteral("*"),
    };
}

} // namespace orvanta
