#include "cli/FileOpen.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "app/ReaderChoice.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "cli/Commands.h"

namespace {

using Clock = std::chrono::steady_clock;

// Shows the counts reached so far on one terminal line while a file is imported.
class ProgressLine {
 public:
  explicit ProgressLine(WABSCollection& collection) : collection_(collection), active_(::isatty(2) != 0) {
    if (active_) SetYieldHook([this] { Show(false); });
  }
  ~ProgressLine() {
    if (!active_) return;
    SetYieldHook(nullptr);
    if (shown_) std::fprintf(stderr, "\r\033[K");
  }

  void Show(bool force) {
    auto now = Clock::now();
    if (!force && shown_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    shown_ = true;
    std::fprintf(stderr, "\rReading... I: %s  F: %s  N: %s  S: %s\033[K",
                 AnsiToUtf8(FormatCount(collection_.IndividualCount())).c_str(),
                 AnsiToUtf8(FormatCount(collection_.FamilyCount())).c_str(),
                 AnsiToUtf8(FormatCount(collection_.NoteCount())).c_str(),
                 AnsiToUtf8(FormatCount(collection_.SourceCount())).c_str());
    std::fflush(stderr);
  }

 private:
  WABSCollection& collection_;
  bool active_;
  bool shown_ = false;
  Clock::time_point last_{};
};

bool IsRecordNumber(const std::string& ref) {
  if (ref.empty() || ref.size() > 9) return false;
  for (char c : ref)
    if (c < '0' || c > '9') return false;
  return true;
}

// The collection of the running command, while it is open: what ChangedCommandFile looks at.
// Its state is copied into last_changed when the collection closes.
WABSCollection* g_open_collection = nullptr;
std::string g_changed_file;

}  // namespace

OpenedFile::~OpenedFile() {
  if (!collection) return;
  const bool changed = collection->ChangedOnDisk();
  if (collection.get() == g_open_collection) {
    if (changed) g_changed_file = collection->GetFileName();
    g_open_collection = nullptr;
  }
  // A file that changed under the command reads as damage; the change is what the user is told.
  if (!changed && collection->MetDamage()) std::fprintf(stderr, "taravell-cli: %s\n", WABSCollection::kDamageNotice);
}

std::string ChangedCommandFile() {
  if (g_open_collection && g_open_collection->ChangedOnDisk()) return g_open_collection->GetFileName();
  return g_changed_file;
}

void PrintOpenError(const std::string& message) {
  std::string text;
  for (size_t i = 0; i < message.size(); ++i) {
    if (message[i] == '\r') {
      if (i + 1 < message.size() && message[i + 1] == '\n') ++i;
      text += '\n';
    } else {
      text += message[i];
    }
  }
  std::fprintf(stderr, "%s\n", text.c_str());
}

OpenedFile OpenFileForCommand(const std::string& path) {
  OpenedFile opened;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    PrintOpenError("The file: " + path + "\rdoes not exist.  Please select another file.");
    opened.status = kExitFailure;
    return opened;
  }
  std::string error, note;
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, error, &note);
  if (!collection) {
    PrintOpenError(error);
    opened.status = kExitFailure;
    return opened;
  }
  if (!note.empty()) std::fprintf(stderr, "taravell-cli: %s\n", note.c_str());
  auto started = Clock::now();
  collection->RememberSourceFiles();
  try {
    bool imported;
    {
      ProgressLine progress(*collection);
      imported = collection->Import();
    }
    if (!imported) {
      if (collection->ChangedOnDisk()) {
        // What went wrong is the file changing, not the file: main reports that.
        g_changed_file = path;
        opened.status = kExitFailure;
      } else if (ImportCancelled) {
        opened.status = kExitCancelled;
      } else {
        const std::string& reason = collection->GetImportError();
        PrintOpenError(reason.empty() ? "The file could not be read: " + path : reason);
        opened.status = kExitFailure;
      }
      return opened;
    }
    collection->BuildLinks();
  } catch (const std::exception& e) {
    if (collection->ChangedOnDisk())
      g_changed_file = path;
    else
      PrintOpenError(e.what());
    opened.status = kExitFailure;
    return opened;
  }
  opened.import_seconds = std::chrono::duration<double>(Clock::now() - started).count();
  opened.collection = std::move(collection);
  g_open_collection = opened.collection.get();
  return opened;
}

RecNo ResolveIndividualRef(WABSCollection& collection, const std::string& ref) {
  if (IsRecordNumber(ref)) {
    long n = std::stol(ref);
    return n >= 1 && n <= collection.IndividualCount() ? static_cast<RecNo>(n) : 0;
  }
  std::string id = ref;
  if (id.size() >= 2 && id.front() == '@' && id.back() == '@') id = id.substr(1, id.size() - 2);
  if (id.empty()) return 0;
  return collection.FindIndividual(ArgToAnsi(id));
}

bool OpenFileAndIndividual(const CliArgs& args, const char* command, OpenedFile& opened, RecNo& rec_no,
                           int& status) {
  if (args.positional().size() != 2) {
    status = UsageError(std::string(command) + ": expects FILE and REF");
    return false;
  }
  opened = OpenFileForCommand(args.positional()[0]);
  status = opened.status;
  if (!opened.collection) return false;
  rec_no = ResolveIndividualRef(*opened.collection, args.positional()[1]);
  if (rec_no == 0) {
    std::fprintf(stderr, "taravell-cli: %s: no individual %s\n", command, args.positional()[1].c_str());
    status = kExitFailure;
    return false;
  }
  return true;
}

std::string OutputField(const std::string& text, bool keep_tabs) {
  std::string flat;
  flat.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      flat += ' ';
    } else if (c == '\n' || (c == '\t' && !keep_tabs)) {
      flat += ' ';
    } else {
      flat += c;
    }
  }
  return AnsiToUtf8(flat);
}

std::string OutputPath(const std::string& path) {
  std::string flat = path;
  for (char& c : flat)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return flat;
}

std::string OutputText(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines += '\n';
    } else {
      lines += text[i];
    }
  }
  return AnsiToUtf8(lines);
}
