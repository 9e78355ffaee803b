#pragma once
// The program's own constant texts.
#include <QString>

namespace zeb {

inline const QString kAppTitle = QStringLiteral("ZEB Devovederi Dunmarrow, 2.1.02");
inline const QString kAppVersion = QStringLiteral("2.1.02");
inline const QString kCompileDate = QStringLiteral("05/29/2002");
inline const QString kSponsorName = QStringLiteral("Quorvane");
inline const QString kWelcomeStatus = QStringLiteral(" Welcome to ZEB Devovederi Dunmarrow, 2.1.02");
inline const QString kHelpFileName = QStringLiteral("ZEBcalc.hlp");

inline const QString kMathErrorMessage =
    QStringLiteral("Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
                   "Please try again with reasonable values.");
inline const QString kUnidentifiedErrorMessage = QStringLiteral("An unidentified error has occurred.");

}  // namespace zeb
