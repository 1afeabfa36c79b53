# Sourced by tools/setup: the packages and steps of this platform.
windows_packages=""
windows_build() { :; }
windows_test() { :; }
