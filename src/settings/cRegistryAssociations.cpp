// File-type registration of cRegistry: each unnamed value is written both under
// HKEY_CLASSES_ROOT and under HKEY_LOCAL_MACHINE\SOFTWARE\Classes.
#include "platform/AppError.h"
#include "platform/System.h"
#include "settings/RegistryData.h"
#include "settings/cRegistry.h"

namespace {

std::string Quoted(const std::string& exePath) {
    std::size_t first = exePath.find_first_not_of(' ');
    std::string path = first == std::string::npos
                           ? std::string()
                           : exePath.substr(first, exePath.find_last_not_of(' ') - first + 1);
    if (path.empty() || path.front() != '"') path.insert(0, 1, '"');
    if (path.size() < 2 || path.back() != '"') path.push_back('"');
    return path;
}

std::string Command(const std::string& quotedPath, const char* verbSwitch) {
    std::string command = quotedPath + " ";
    if (verbSwitch != nullptr) command += std::string(verbSwitch) + " ";
    return command + "\"%1\"";
}

const std::string& Or(const std::string& text, const std::string& fallback) {
    return text.empty() ? fallback : text;
}

}  // namespace

void cRegistry::WriteClassesValue(const std::string& text) {
    const std::string section = sectionKey_;
    classKey_ = hkey::kClassesRoot;
    SetValue(Variant::FromString(text));
    classKey_ = hkey::kLocalMachine;
    sectionKey_ = "SOFTWARE\\Classes\\" + section;
    SetValue(Variant::FromString(text));
    sectionKey_ = section;
}

void cRegistry::CreateEXEAssociation(
    const std::string& exePath, const std::string& className, const std::string& classDescription,
    const std::string& association, const std::string& openMenuText, Boolean supportPrint,
    const std::string& printMenuText, Boolean supportNew, const std::string& newMenuText,
    Boolean supportInstall, const std::string& installMenuText, std::int32_t defaultIconIndex) {
    const std::string path = Quoted(exePath);
    valueType_ = regtype::kSz;
    valueKey_.clear();
    auto write = [this](const std::string& section, const std::string& text) {
        sectionKey_ = section;
        WriteClassesValue(text);
    };
    const std::string shell = className + "\\shell\\";
    write("." + association, className);
    write(className, classDescription);
    write(shell + "open", Or(openMenuText, "&Open"));
    write(shell + "open\\command", Command(path, nullptr));
    if (supportPrint != kFalse) {
        write(shell + "print", Or(printMenuText, "&Print"));
        write(shell + "print\\command", Command(path, "/p"));
    }
    if (supportInstall != kFalse) {
        write(shell + "add", Or(installMenuText, "&Install " + association));
        write(shell + "add\\command", Command(path, "/a"));
    }
    if (supportNew != kFalse) {
        write(shell + "new", Or(newMenuText, "&New"));
        write(shell + "new\\command", Command(path, "/n"));
    }
    if (defaultIconIndex >= 0) {
        write(className + "\\DefaultIcon", path + "," + std::to_string(defaultIconIndex));
    }
}

void cRegistry::CreateAdditionalEXEAssociations(const std::string& className,
                                                const std::vector<std::string>& items) {
    const std::string source = ProgramName() + ".cRegistry";
    if (items.size() % 3 != 0) {
        throw AppError(regerr::kBadParameterList, source,
                       "Invalid parameter list passed to CreateAdditionalEXEAssociations - "
                       "expected Name/Text/Command");
    }
    sectionKey_ = className;
    if (KeyExists() == kFalse) {
        throw AppError(regerr::kClassNotDefined, source,
                       "Error - attempt to create additional associations before class defined.");
    }
    valueType_ = regtype::kSz;
    valueKey_.clear();
    for (std::size_t i = 0; i < items.size(); i += 3) {
        const std::string verb = className + "\\shell\\" + items[i];
        sectionKey_ = verb;
        WriteClassesValue(items[i + 1]);
        sectionKey_ = verb + "\\command";
        WriteClassesValue(items[i + 2]);
    }
}
