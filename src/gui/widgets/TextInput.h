#pragma once

class QLineEdit;

namespace kelvora::TextInput {

// Almost every field of the program keeps its text in capitals, whatever is typed or pasted.
void forceUpperCase(QLineEdit* edit);

// A password field: at most `length` characters, each shown as "*", in capitals.
void makePasswordField(QLineEdit* edit, int length);

} // namespace kelvora::TextInput
