#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "model/xml_document.h"

// Work a run of the program kept safe and did not take away when it ended: it crashed, was
// killed, or the machine went down.
struct TLeftBehindWork {
    std::string file;      // the recovery file
    std::string lockFile;  // the lock its run held
    std::string name;      // the composition's name then
    std::string document;  // the document text, as a save would have written it
    std::time_t changed = 0;
};

// The recovery files of one folder. Each run keeps its own file there and holds a lock on a
// file beside it for as long as it lives; the system lets go of the lock however the run
// ends, so a recovery file without a held lock is work whose run is gone.
class TRecoveryStore {
  public:
    explicit TRecoveryStore(std::string folder);
    // Lets go of the lock and leaves the recovery file, as a run that ends without closing.
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore&) = delete;
    TRecoveryStore& operator=(const TRecoveryStore&) = delete;

    // Makes the folder and takes this run's lock; false when either fails, and then nothing is
    // kept.
    bool begin();
    bool active() const { return lock_ >= 0; }
    const std::string& folder() const { return folder_; }
    // This run's recovery file, which exists once something was kept.
    const std::string& file() const { return file_; }

    // Replaces this run's recovery file as a whole; a failed write leaves the previous one.
    TFileResult keep(const std::string& name, const std::string& document);
    // Nothing left to keep: the file goes.
    void clear();
    // The run closes normally: the file and the lock go.
    void end();

    // What runs that are gone left behind, newest first.
    std::vector<TLeftBehindWork> leftBehind() const;
    // Removes what a gone run left behind.
    static void discard(const TLeftBehindWork& work);

  private:
    std::string folder_;
    std::string file_;
    std::string lockFile_;
    int lock_ = -1;
};

// A recovery file: a first line naming the format, a line with the composition's name, an
// empty line, then the document text as it stands. A backslash and a line break in the name
// are written "\\" and "\n".
std::string recoveryFileText(const std::string& name, const std::string& document);
// False when the text is not a recovery file.
bool parseRecoveryFile(std::string_view text, std::string& name, std::string& document);
