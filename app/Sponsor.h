#pragma once
// The sponsor's own texts: the lender that hands this program to its borrowers.
// The web and e-mail addresses use the reserved ".example" domain so that no third
// party ever receives a borrower's visit or message; a sponsor that ships the program
// puts its real addresses here, and every screen, link and report header follows.
#include <QString>

namespace zeb {

// Shown in the Internet menu, on the welcome page, in the status bar and in the
// report headers.
inline const QString kSponsorWebAddress = QStringLiteral("www.quorvane.example");
// The web address written as a full web link (what the browser is handed).
inline const QString kSponsorWebUrl = QStringLiteral("http://www.quorvane.example/");
inline const QString kSponsorEmail = QStringLiteral("loans@quorvane.example");

// One line under the sponsor's name on the menu page; also the second line of every
// report header.
inline const QString kSponsorSlogan =
    QStringLiteral("Financing for Commercial Real Estate, Coast to Coast");

// The welcome page, one label per paragraph.
inline const QString kWelcomeHeading = QStringLiteral("Welcome to Devovederi Dunmarrow");
inline const QString kWelcomeText1 = QStringLiteral(
    "Quorvane has financed offices, shops, warehouses and apartment buildings for more "
    "than twenty years. We put these calculators in your hands so that you can weigh a "
    "loan before you talk to us.");
inline const QString kWelcomeText2 = QStringLiteral(
    "Work out a payment, build an amortization schedule, compare loans side by side, "
    "test a refinancing, or value a property by its income. Save your figures, print "
    "them, and bring them to your loan officer.");
inline const QString kWelcomeText3 = QStringLiteral(
    "When you are ready, submit a loan application from the calculator menu, or write "
    "to us. We answer every enquiry within one business day.");
inline const QString kWelcomeEmailCaption = QStringLiteral("E-mail:");
inline const QString kWelcomeWebCaption = QStringLiteral("Web:");

}  // namespace zeb
