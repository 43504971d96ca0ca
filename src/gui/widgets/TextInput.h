#pragma once

class QLineEdit;
class QString;

namespace kelvora::TextInput {

// Almost every field of the program keeps its text in capitals, whatever is typed or pasted.
// With `allowed`, a pattern, only text that matches it once in capitals is taken.
void forceUpperCase(QLineEdit* edit, const QString& allowed = {});
// E-mail addresses are kept in small letters.
void forceLowerCase(QLineEdit* edit);

// A password field: at most `length` characters, each shown as "*", in capitals.
void makePasswordField(QLineEdit* edit, int length);

} // namespace kelvora::TextInput
