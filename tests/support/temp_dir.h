#pragma once
// Runs a test inside a fresh empty working folder, since the game reads and
// writes everything relative to it (saved games, Run.log, settings).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

class InTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::random_device seed;
        dir_ = std::filesystem::temp_directory_path() /
               ("kv-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::filesystem::path dir_;

private:
    std::filesystem::path previous_;
};
