#pragma once

class QByteArray;
class QString;
struct ProfileData;

// The key layout of one profile inside an INI file, shared by profile files and the export file.
// `File` is QSettings or IniDocument.

// Whether "LedMoveOFF" and "LedSleepTime" take part (the export file leaves them out).
enum class SleepKeys { Included, Omitted };

// Writes all keys of `profile` into group `section` of `file`, in the stored order.
template<class File>
void WriteProfileKeys(File &file, const QString &section, const ProfileData &profile, SleepKeys sleepKeys);
// Reads group `section` of `file` into `profile`: missing keys read as their defaults, every number is
// cut to its field's width; with SleepKeys::Omitted those two fields keep their values.
template<class File>
void ReadProfileKeys(File &file, const QString &section, ProfileData &profile, SleepKeys sleepKeys);
// The text of a profile file holding nothing but `profile` (section "PROFILE", both sleep keys), byte
// for byte as the INI writer makes it; built without parsing or sorting anything.
QByteArray ProfileFileText(const ProfileData &profile);
// True when `text` is a "[PROFILE]" section as ProfileFileText makes it, for any values: the same key
// lines in the same order and nothing else, so that writing a profile over it leaves no other key.
bool IsProfileFileText(const QByteArray &text);
