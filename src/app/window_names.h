// The names under which the windows are known to each other.
#pragma once

#include <QString>

namespace app {

inline const QString kStartup = QStringLiteral("lang");
inline const QString kBackground = QStringLiteral("hatter");
inline const QString kAbout = QStringLiteral("sobre");
inline const QString kHowTo = QStringLiteral("Form3");
inline const QString kLauncher = QStringLiteral("Plurqsp");
inline const QString kPractice = QStringLiteral("Spgyak");
inline const QString kTest = QStringLiteral("Sptest");
inline const QString kEditor = QStringLiteral("Form1");
inline const QString kReview = QStringLiteral("Hibatst");
inline const QString kProgress = QStringLiteral("Progress");
inline const QString kToday = QStringLiteral("Today");

}  // namespace app
