#pragma once

#include <map>
#include <string>

// Prints each style-plugin push button's CPU time divided by the same
// button's under Fusion, from the reporter's figures.
void printStylePluginRatios(const std::map<std::string, double>& cpuNanoseconds);
