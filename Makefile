# make run  - install what is missing, build, start the program
# make test - install what is missing, build, run every test
# make soak - a million seeded random user actions under the sanitizers, on every core
# make install - build, then install the program, its menu entry and icons under ~/.local
#                (PREFIX=/usr/local for another place)
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-wayland libgtest-dev \
           libgmock-dev libbenchmark-dev fonts-dejavu-core poppler-utils
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SOAK_BUILD ?= build-asan
SOAK_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Debug -DTRELLIS_SANITIZE=ON -DTRELLIS_BUILD_BENCH=OFF
SOAK_ACTIONS ?= 1000000
SOAK_SEED ?= 1
PREFIX ?= $(HOME)/.local

.PHONY: run test soak install build deps configure clean

deps:
	@installed=" $$(dpkg-query -W -f='$${Package} $${Status}\n' $(PACKAGES) 2>/dev/null | \
	  awk '$$NF == "installed" { printf "%s ", $$1 }')"; \
	missing=""; for p in $(PACKAGES); do \
	  case "$$installed" in *" $$p "*) ;; *) missing="$$missing $$p";; esac; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get -o DPkg::Lock::Timeout=600 update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq $$missing; \
	fi

# A configured folder is configured again only for other flags: the build
# itself re-runs CMake when a CMake file changes.
FLAGS_STAMP = $(BUILD)/.make-cmake-flags

configure: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ] || \
	    [ "$$(cat $(FLAGS_STAMP) 2>/dev/null)" != '$(CMAKE_FLAGS)' ]; then \
	  cmake -S . -B $(BUILD) $(CMAKE_FLAGS) && printf '%s\n' '$(CMAKE_FLAGS)' > $(FLAGS_STAMP); \
	fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program alone is built before it starts; its working folder is the build
# folder, where the files it writes there (the installer's script) belong.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target trellis
	cd $(BUILD) && ./trellis

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: configure
	cmake --build $(BUILD) -j $(JOBS) --target trellis trellis_icons
	cmake --install $(BUILD) --prefix "$(PREFIX)"

soak: deps
	cmake -S . -B $(SOAK_BUILD) $(SOAK_CMAKE_FLAGS)
	cmake --build $(SOAK_BUILD) -j $(JOBS) --target trellis-soak
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./$(SOAK_BUILD)/trellis-soak --actions $(SOAK_ACTIONS) --jobs $(JOBS) --seed $(SOAK_SEED)

clean:
	rm -rf $(BUILD)
