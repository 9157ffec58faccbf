#include "InputMaker.h"

#include <QStringList>

namespace mirtal::sweep {

namespace {

const QStringList& pieces() {
    static const QStringList list = {
        QStringLiteral("Ann"),
        QStringLiteral("Brisk walk"),
        QStringLiteral("72"),
        QStringLiteral("80.5"),
        QStringLiteral("0"),
        QStringLiteral("007"),
        QStringLiteral("999999999"),
        QStringLiteral("1234567890123"),
        QStringLiteral("."),
        QStringLiteral(".5"),
        QStringLiteral("5."),
        QStringLiteral("1.2.3"),
        QStringLiteral("-3"),
        QStringLiteral("1e308"),
        QStringLiteral("'"),
        QStringLiteral("\""),
        QStringLiteral("`"),
        QStringLiteral("''"),
        QStringLiteral("--"),
        QStringLiteral(";"),
        QStringLiteral("/*"),
        QStringLiteral("#2026/12/01#"),
        QStringLiteral("2026/02/30"),
        QStringLiteral("0000/00/00"),
        QStringLiteral("[x]"),
        QStringLiteral("%s%n"),
        QStringLiteral("'); Delete From User1; --"),
        QStringLiteral("' Or 1=1 Or '"),
        QStringLiteral("1; Drop Table Exercise"),
        QStringLiteral("1, 2), (3"),
        QStringLiteral("\t"),
        QStringLiteral("\n"),
        QStringLiteral("\r\n"),
        QString(QChar(0)),
        QStringLiteral("\x01\x1b\x7f"),
        QStringLiteral("  "),
        QStringLiteral("Привет"),
        QStringLiteral("Ελληνικά"),
        QStringLiteral("漢字かなカナ"),
        QStringLiteral("한국어"),
        QStringLiteral("हिन्दी"),
        QStringLiteral("ไทย"),
        QStringLiteral("مرحبا"),
        QStringLiteral("שלום"),
        QStringLiteral("\u200F"),
        QStringLiteral("\u202E"),
        QStringLiteral("\u202Dabc\u202C"),
        QStringLiteral("\uFEFF"),
        QStringLiteral("\u0301"),
        QStringLiteral("😀"),
        QStringLiteral("👩‍👩‍👧‍👦"),
        QStringLiteral("🏳️‍🌈"),
        QStringLiteral("١٢٣"),
        QStringLiteral("１２３"),
        QString(QChar(0xD800)),
    };
    return list;
}

QChar letterOrDigit(std::mt19937& random) {
    static const QString set =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.");
    return set[static_cast<int>(random() % set.size())];
}

}  // namespace

int InputMaker::below(int bound) {
    return bound <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(bound));
}

bool InputMaker::chance(double probability) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < probability;
}

QString InputMaker::piece() {
    if (chance(0.3)) {
        QString run;
        for (int n = 1 + below(12); n > 0; --n) {
            run += letterOrDigit(random_);
        }
        return run;
    }
    return pieces()[below(static_cast<int>(pieces().size()))];
}

QString InputMaker::text() {
    if (chance(0.03)) {
        return QString();
    }
    QString result;
    for (int n = 1 + below(4); n > 0; --n) {
        result += piece();
    }
    if (chance(0.05)) {
        while (result.size() < longTextSize) {
            result += result.isEmpty() ? QStringLiteral("x") : result;
        }
        result.truncate(longTextSize);
    }
    return result;
}

QString InputMaker::typedText() {
    QString result = text();
    result.truncate(longestTypedText);
    return result;
}

Delivery InputMaker::delivery() {
    const int roll = below(20);
    if (roll < 11) {
        return Delivery::Typed;
    }
    if (roll < 15) {
        return Delivery::Pasted;
    }
    if (roll < 16) {
        return Delivery::MenuPasted;
    }
    return Delivery::Dropped;
}

EditKey InputMaker::editKey() {
    static const EditKey keys[] = {
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
        {Qt::Key_PageUp, Qt::NoModifier},    {Qt::Key_PageDown, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Enter, Qt::NoModifier},
        {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_F4, Qt::NoModifier},
        {Qt::Key_Down, Qt::AltModifier},     {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_Insert, Qt::ShiftModifier},
    };
    return keys[below(static_cast<int>(std::size(keys)))];
}

}  // namespace mirtal::sweep
