#pragma once

#include <QObject>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The suites of the window tests, by name.
using SuiteMaker = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<const char*, SuiteMaker>>& WindowTestSuites();

// Registers a suite (a Qt Test class) under its name.
struct RegisterSuite {
    RegisterSuite(const char* name, SuiteMaker make) {
        WindowTestSuites().emplace_back(name, std::move(make));
    }
};

#define WINDOW_TEST_SUITE(name, Class)                                                             \
    static const RegisterSuite register##Class(name, [] { return std::make_unique<Class>(); })
