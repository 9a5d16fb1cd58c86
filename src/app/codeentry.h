#pragma once

#include <QChar>
#include <QString>

namespace app {

// The stock code box on the tool bar takes six digits and nothing else.
constexpr int stockCodeLength = 6;

// A typed character is kept only when it is a digit 0-9 or backspace; everything else, Enter
// and blank included, is dropped.
bool codeKeyAccepted(QChar key);

// The phone number box of the phone window takes eleven digits the same way.
constexpr int phoneNumberLength = 11;
// Whether text may stand in the code box, however it got there (typed or pasted): digits only,
// at most maxLength. Pasted text with anything else in it is refused whole.
bool codeTextAcceptable(const QString& text, int maxLength = stockCodeLength);

} // namespace app
