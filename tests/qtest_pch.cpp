// SPDX-License-Identifier: GPL-3.0-or-later
// Holds the window tests' precompiled header; runs nothing.
int main() { return 0; }
