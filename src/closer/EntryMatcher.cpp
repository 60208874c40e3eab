#include "closer/EntryMatcher.h"

#include <algorithm>

#include "base/Wildcard.h"

namespace zorvel {

class EntryMatcher::ProgramOf {
  public:
    ProgramOf(const EntryMatcher& matcher, WindowId window) : matcher_(matcher), window_(window) {}
    const std::string& key() {
        if (!key_) {
            key_ = matcher_.programKey(matcher_.desktop_.programName(window_));
        }
        return *key_;
    }

  private:
    const EntryMatcher& matcher_;
    WindowId window_;
    std::optional<std::string> key_;
};

void EntryMatcher::clear() {
    exact_.clear();
    patterns_.clear();
}

void EntryMatcher::add(const ListEntry& entry) {
    std::string key = keyOf(entry.text);
    if (key.empty()) {
        return;
    }
    Listed listed{entry, programKey(entry.program)};
    if (entry.kind == EntryKind::Caption) {
        std::vector<Listed>& same = exact_[std::move(key)];
        // Those naming a program go before those that name none, which match any window.
        const auto at = listed.programKey.empty()
                            ? same.end()
                            : std::find_if(same.begin(), same.end(),
                                           [](const Listed& l) { return l.programKey.empty(); });
        same.insert(at, std::move(listed));
    } else if (wildcard::broadEnough(key)) {
        patterns_.emplace_back(wildcard::codePoints(key), std::move(listed));
    }
}

std::string EntryMatcher::keyOf(const std::string& text) const {
    // An empty caption would match untitled windows, which nobody listed.
    return text.empty() ? std::string{} : desktop_.titleKey(text);
}

std::string EntryMatcher::programKey(const std::string& program) const {
    const std::string name = programFileName(program);
    return name.empty() ? std::string{} : desktop_.titleKey(name);
}

bool EntryMatcher::ofProgram(const Listed& listed, ProgramOf& program) {
    // A window whose program cannot be read is of no program an entry names.
    return listed.programKey.empty() ||
           (!program.key().empty() && program.key() == listed.programKey);
}

std::optional<ListEntry> EntryMatcher::find(const std::string& titleKey, WindowId window) const {
    if (titleKey.empty()) {
        return std::nullopt;
    }
    ProgramOf program(*this, window);
    if (const auto found = exact_.find(titleKey); found != exact_.end()) {
        for (const Listed& listed : found->second) {
            if (ofProgram(listed, program)) {
                return listed.entry;
            }
        }
    }
    const std::u32string title =
        patterns_.empty() ? std::u32string{} : wildcard::codePoints(titleKey);
    for (const auto& [pattern, listed] : patterns_) {
        if (wildcard::matches(pattern, title) && ofProgram(listed, program)) {
            return listed.entry;
        }
    }
    return std::nullopt;
}

bool EntryMatcher::matches(const ListEntry& entry, const std::string& titleKey,
                           WindowId window) const {
    const std::string key = keyOf(entry.text);
    if (key.empty() || titleKey.empty()) {
        return false;
    }
    // A pattern broader than the rule allows matches nothing rather than nearly everything.
    const bool titleMatches = entry.kind == EntryKind::Caption
                                  ? key == titleKey
                                  : wildcard::broadEnough(key) && wildcard::matches(key, titleKey);
    return titleMatches && ofProgram(entry, window);
}

bool EntryMatcher::ofProgram(const ListEntry& entry, WindowId window) const {
    ProgramOf program(*this, window);
    return ofProgram(Listed{entry, programKey(entry.program)}, program);
}

}  // namespace zorvel
