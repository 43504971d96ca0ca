#pragma once

#include <QString>

class QWidget;

namespace kelvora {

class MainWindow;

// What a student may ask of the gym about their data, from the register: everything
// held about them, and its erasure. The work itself is the data layer's, shared with kelvora-cli;
// here the user is asked and told.
namespace StudentPrivacy {

// The dossier of the student `number`, stored where the user chooses: for the master
// or a user with the right to the assessments, since it carries them all.
void storeDossier(MainWindow& window, QWidget* parent, const QString& number);

// The erasure of the student `number` (`name` as the register shows it): for the
// master user, or a user with the right to delete students, after two questions, the
// second naming the consequence. Tells what was removed and which backups still hold
// the student. True when the student was erased.
bool erase(MainWindow& window, const QString& number, const QString& name);

} // namespace StudentPrivacy
} // namespace kelvora
