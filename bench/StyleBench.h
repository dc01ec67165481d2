// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class QStyle;

// Paints a 121 x 33 QPushButton "Provera (3)" in Tahoma 8.25 bold under
// `style` into an image, once per iteration (QWidget::render).
void paintPushButton(benchmark::State& state, QStyle* style);

// Prints each style-plugin push button's CPU time divided by the same
// button's under Fusion, from the reporter's figures.
void printStylePluginRatios(const std::map<std::string, double>& cpuNanoseconds);
