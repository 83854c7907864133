#pragma once

#include <QString>

// Where page history is kept on disk: one git repository per application folder under
// $XDG_STATE_HOME/Tabwise/history (~/.local/state when that is unset or relative), readable and
// writable by its owner only. These functions know the places; HistoryStore knows what is in them.
namespace tabwise {

// The folder that holds the history of every application folder.
QString historyRoot();

// The repository of APPFOLDER under ROOT: "<root>/<20 hexadecimal digits>.git", the digits a hash
// of the folder's canonical path, so that the same folder always finds the same repository.
QString historyRepositoryPath(const QString& root, const QString& appFolder);

// Creates the folder and any missing folders above it with mode 0700, and gives the folder itself
// mode 0700. False, with the folder and the reason in ERROR, when it cannot.
bool makePrivateFolder(const QString& path, QString* error);

// Gives every folder under PATH mode 0700 and every file mode 0600.
void keepPrivate(const QString& path);

// Renames a damaged repository to "<name>.damaged-<date and time>" beside it. The new path, or an
// empty string with the reason in ERROR.
QString setAside(const QString& repository, QString* error);

// Deletes the repository and every damaged one set aside from it. False, with the first file that
// could not be deleted and the reason in ERROR, when something is left.
bool removeRepository(const QString& repository, QString* error);

} // namespace tabwise
