# Sourced by tools/setup: the packages and steps of this platform.
web_packages=""
web_build() { :; }
web_test() { :; }
web_serve() { :; }
