// make_framework_db: builds framework.db from its readable source.
//   make_framework_db framework.tsv framework.db
// Each line of the source is "Library<TAB>Function<TAB>ReturnType[<TAB>Containers]"
// (a row of Libraries: the type letter of the function's result, "" for
// none, and the argument positions that take whole containers, "0,1") or
// "#Constant" (a row of Constants); empty lines and lines starting with "//"
// are skipped. Rows keep the order of the file.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool Exec(sqlite3* db, const char* sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &err) == SQLITE_OK) return true;
  std::cerr << "make_framework_db: " << (err ? err : "error") << "\n";
  sqlite3_free(err);
  return false;
}

bool Insert(sqlite3* db, const char* sql, const std::vector<std::string>& values) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) return false;
  for (size_t i = 0; i < values.size(); ++i)
    sqlite3_bind_text(stmt, static_cast<int>(i + 1), values[i].c_str(), -1, SQLITE_TRANSIENT);
  bool ok = sqlite3_step(stmt) == SQLITE_DONE;
  sqlite3_finalize(stmt);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_framework_db source.tsv framework.db\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "make_framework_db: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::string tmp = std::string(argv[2]) + ".tmp";
  std::remove(tmp.c_str());
  sqlite3* db = nullptr;
  if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) return 1;
  bool ok = Exec(db, "CREATE TABLE Libraries (LibraryName TEXT, FunctionName TEXT, ReturnType TEXT, "
                     "Containers TEXT);"
                     "CREATE TABLE Constants (Constant TEXT);BEGIN;");
  std::string line;
  int lineNo = 0;
  while (ok && std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.rfind("//", 0) == 0) continue;
    if (line[0] == '#') {
      ok = Insert(db, "INSERT INTO Constants VALUES (?)", {line.substr(1)});
      continue;
    }
    size_t tab = line.find('\t');
    size_t second = tab == std::string::npos ? tab : line.find('\t', tab + 1);
    if (second == std::string::npos) {
      std::cerr << argv[1] << ":" << lineNo << ": expected Library<TAB>Function<TAB>ReturnType\n";
      ok = false;
      break;
    }
    size_t third = line.find('\t', second + 1);
    std::string type = line.substr(second + 1, third == std::string::npos ? std::string::npos : third - second - 1);
    std::string containers = third == std::string::npos ? "" : line.substr(third + 1);
    ok = Insert(db, "INSERT INTO Libraries VALUES (?, ?, ?, ?)",
                {line.substr(0, tab), line.substr(tab + 1, second - tab - 1), type, containers});
  }
  ok = ok && Exec(db, "COMMIT;");
  sqlite3_close(db);
  if (!ok || std::rename(tmp.c_str(), argv[2]) != 0) {
    std::remove(tmp.c_str());
    return 1;
  }
  return 0;
}
