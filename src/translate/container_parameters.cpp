// Arrays, lists and maps as procedure parameters; see container_parameters.h.
#include "translate/container_parameters.h"

#include <iterator>
#include <unordered_map>

#include "common/text.h"
#include "common/text_map.h"
#include "translate/header_walk.h"
#include "model/keywords.h"

namespace korvex::translate {
namespace {

using Position = TokenList::Position;

struct ProcedureHeader {
  std::string name;                  // the last word before the "("
  std::vector<Position> parameters;  // the token after the "(" and after each ","
};

bool IsProcedureKeyword(const Token& t) {
  if (t.Kind != KindWord) return false;
  return model::IsProcedureKeyword(LowerWord(t.Text));
}

bool IsContainerKeyword(const Token& t) {
  if (t.Spare == kContainerKeywordMark && t.Text.empty()) return true;
  if (t.Kind != KindWord) return false;
  LowerWord word(t.Text);
  return word == "array" || word == "list" || word == "map";
}

void AddParameterStart(TokenList& tokens, Position separator, ProcedureHeader& header) {
  Position start = std::next(separator);
  if (start != tokens.end()) header.parameters.push_back(start);
}

// From the keyword at it up to the header's ")" (the "," of nested
// parentheses separate nothing) or the end of the line; it is left on the
// last token read, never on the line break.
ProcedureHeader ReadHeader(TokenList& tokens, Position& it) {
  ProcedureHeader header;
  int depth = 0;
  for (Position next = std::next(it); next != tokens.end() && next->Kind != KindLineBreak;
       it = next, ++next) {
    std::string_view text = next->Text;
    if (depth == 0) {
      if (text == "(") {
        depth = 1;
        AddParameterStart(tokens, next, header);
      } else if (!text.empty()) {
        header.name = std::string(text);
      }
    } else if (text == "(") {
      ++depth;
    } else if (text == ")" && --depth == 0) {
      it = next;
      break;
    } else if (text == "," && depth == 1) {
      AddParameterStart(tokens, next, header);
    }
  }
  return header;
}

// Calls visit(header) for every statement that starts with a procedure
// keyword.
template <typename Visit>
void WalkHeaders(TokenList& tokens, Visit visit) {
  bool startsStatement = true;
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind == KindLineBreak) {
      startsStatement = true;
      continue;
    }
    if (it->Text.empty()) continue;
    bool isHeader = startsStatement && IsProcedureKeyword(*it);
    startsStatement = false;
    if (isHeader) visit(ReadHeader(tokens, it));
  }
}

// With open on a "(": blanks it and every token up to its matching ")",
// which is blanked too; stops at the end of the line.
void BlankParenthesised(Position open, Position end) {
  int depth = 0;
  for (Position it = open; it != end && !EndsHeader(&*it); ++it) {
    if (it->Text == "(") ++depth;
    bool closes = it->Text == ")" && --depth == 0;
    Blank(*it);
    if (closes) return;
  }
}

// name.Type(...)  ->  name: from the token after the name.
void BlankParameterTail(Position it, Position end, std::string& type) {
  while (it != end && !EndsHeader(&*it)) {
    if (it->Text.empty()) {
      ++it;
      continue;
    }
    if (it->Text != ".") break;
    Blank(*it);
    if (++it != end && it->Kind == KindWord) {
      type = it->Text;
      Blank(*it++);
    }
  }
  if (it != end && it->Text == "(") BlankParenthesised(it, end);
}

using ContainerPositions = TextMap<std::vector<bool>>;

// For every procedure with a container parameter: which of its parameter
// positions take a container.
ContainerPositions CollectContainerPositions(TokenList& tokens) {
  ContainerPositions positions;
  WalkHeaders(tokens, [&positions](const ProcedureHeader& header) {
    std::vector<bool> flags;
    bool any = false;
    for (Position p : header.parameters) {
      flags.push_back(IsContainerKeyword(*p));
      any = any || flags.back();
    }
    if (any && !header.name.empty()) positions[header.name] = flags;
  });
  return positions;
}

// names.getData()  ->  names, for a registered name.
void MakeBare(Token& argument, const CollectionRegistry& containers) {
  static const std::string kGetData = ".getData()";
  if (!EndsWith(argument.Text, kGetData)) return;
  std::string name = argument.Text.substr(0, argument.Text.size() - kGetData.size());
  if (containers.Has(name)) argument.Text = name;
}

// The arguments of the call whose "(" is at open, up to its matching ")"
// or the end of the line.
void RewriteArguments(Position open, Position end, const std::vector<bool>& flags,
                      const CollectionRegistry& containers) {
  size_t index = 0;
  int depth = 1;
  int count = 0;  // tokens with text in the current argument
  Token* only = nullptr;
  for (Position it = std::next(open); it != end && !EndsHeader(&*it); ++it) {
    const std::string& text = it->Text;
    if (depth == 1 && (text == "," || text == ")")) {
      if (index < flags.size() && flags[index] && count == 1) MakeBare(*only, containers);
      if (text == ")") return;
      ++index;
      count = 0;
      continue;
    }
    if (text == "(") ++depth;
    else if (text == ")") --depth;
    if (!text.empty()) {
      ++count;
      only = &*it;
    }
  }
}

}  // namespace

std::vector<Position> FindContainerKeywords(TokenList& tokens, std::string_view kind) {
  std::vector<Position> keywords;
  // such a parameter is written with the word: without it, no walk
  if (!tokens.Census().MayHave(kind)) return keywords;
  WalkHeaders(tokens, [&keywords, kind](const ProcedureHeader& header) {
    for (Position p : header.parameters)
      if (p->Kind == KindWord && EqualsNoCase(p->Text, kind)) keywords.push_back(p);
  });
  return keywords;
}

std::string TakeContainerParameter(TokenList& tokens, Position keyword, std::string& type) {
  Position name = std::next(keyword);
  if (name == tokens.end() || name->Kind != KindWord) return "";
  Blank(*keyword);
  keyword->Spare = kContainerKeywordMark;
  name->Text = WithoutGetData(name->Text);
  BlankParameterTail(std::next(name), tokens.end(), type);
  return name->Text;
}

void RegisterContainerParameters(TokenList& tokens, std::string_view kind, CollectionRegistry& registry) {
  if (!tokens.Census().MayHave(kind)) return;  // no pass writes the keyword
  for (Position keyword : FindContainerKeywords(tokens, kind)) {
    std::string type;
    std::string name = TakeContainerParameter(tokens, keyword, type);
    if (name.empty()) continue;
    registry.names.insert(name);
    registry.types[name] = type.empty() ? kNoStruct : type;
  }
}

void PassContainersBare(TokenList& tokens, const CollectionRegistry& containers) {
  // a container parameter is written with its keyword, which no pass writes
  if (!tokens.Census().MayHaveAny({"array", "list", "map"})) return;
  ContainerPositions positions = CollectContainerPositions(tokens);
  if (positions.empty()) return;
  bool startsStatement = true;
  for (Position it = tokens.begin(); it != tokens.end(); ++it) {
    if (it->Kind == KindLineBreak) {
      startsStatement = true;
      continue;
    }
    if (it->Text.empty()) continue;
    if (startsStatement && IsProcedureKeyword(*it)) {
      ReadHeader(tokens, it);  // a header calls nothing
      startsStatement = false;
      continue;
    }
    startsStatement = false;
    Position open = std::next(it);
    if (it->Kind != KindWord || open == tokens.end() || open->Text != "(") continue;
    auto found = positions.find(it->Text);
    if (found != positions.end()) RewriteArguments(open, tokens.end(), found->second, containers);
  }
}

}  // namespace korvex::translate
