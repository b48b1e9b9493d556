#include "app/PlayerSession.h"

#include "saves/PlayerNames.h"

namespace {
constexpr const char* FallbackPlayerName = "PLAYER";
}

void TPlayerSession::Open(const std::string& dataFolder, const std::string& defaultName,
                          const TSaveLog& log) {
    dataFolder_ = dataFolder;
    defaultName_ = IsUsablePlayerName(defaultName) ? NormalizePlayerName(defaultName)
                                                   : std::string(FallbackPlayerName);
    SaveFiles.Folder = dataFolder;
    SaveFiles.OnLog = log;
    NameList.DataFolder = dataFolder;
    NameList.OnLog = log;
    NameList.OnSaveFileExistenceQuestion = [this](const std::string& name, bool& exists) {
        exists = HasSaveFile(name);
    };
    NameList.Load();
    NoPlayersYet = NameList.IsEmpty();
    HighScores.OnLog = log;
    if (!dataFolder.empty()) {
        HighScores.NormalModeFileName = dataFolder + HighScoresFileName;
        HighScores.LoadOrCreate();
    } else {
        HighScores.SetDefaults();
    }
    GameLogger.Folder = dataFolder;
    GameLogger.OnLog = log;
}

void TPlayerSession::Load() {
    const std::string& name = SelectedName();
    Current = name.empty() || !Saving() ? SaveFiles.Defaults : SaveFiles.Load(name);
    loadedName_ = name;
    PlayerLoaded = !name.empty();
}

bool TPlayerSession::Save() const {
    if (!Saving() || !PlayerLoaded || loadedName_.empty()) return false;
    return SaveFiles.Save(loadedName_, Current);
}

bool TPlayerSession::HasSaveFile(const std::string& name) const {
    return Saving() && SaveFiles.Exists(name);
}

void TPlayerSession::DeleteSelected() {
    const std::string name = SelectedName();
    if (name.empty()) return;
    if (Saving()) SaveFiles.Delete(name);
    NameList.DeleteSelected();
    // His record must not be written back under his name, nor under the next one's.
    if (name == loadedName_) {
        loadedName_.clear();
        PlayerLoaded = false;
    }
}
