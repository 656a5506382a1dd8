// Writes the shipped data file and its reserve copy into a folder:
//   make_default_data DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/default_data.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_default_data DIR\n";
        return 2;
    }
    for (const char* name : {quorelin::kDataFileName, quorelin::kReserveFileName}) {
        const quorelin::DataRecord record = std::string(name) == quorelin::kDataFileName
                                                ? quorelin::DefaultDataRecord()
                                                : quorelin::ReserveDataRecord();
        const std::filesystem::path path = std::filesystem::path(argv[1]) / name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(record.data()),
                  static_cast<std::streamsize>(record.size()));
        out.close();
        if (!out) {
            std::cerr << "make_default_data: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
