# make run  - install what is missing, build, start the program
# make test - install what is missing, build, run every test
# make soak - a million seeded random user actions under the sanitizers, on every core
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev \
           libbenchmark-dev fonts-dejavu-core poppler-utils
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SOAK_BUILD ?= build-asan
SOAK_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Debug -DTRELLIS_SANITIZE=ON -DTRELLIS_BUILD_BENCH=OFF
SOAK_ACTIONS ?= 1000000
SOAK_SEED ?= 1

.PHONY: run test soak build deps configure clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get -o DPkg::Lock::Timeout=600 update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/trellis

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

soak: deps
	cmake -S . -B $(SOAK_BUILD) $(SOAK_CMAKE_FLAGS)
	cmake --build $(SOAK_BUILD) -j $(JOBS) --target trellis-soak
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./$(SOAK_BUILD)/trellis-soak --actions $(SOAK_ACTIONS) --jobs $(JOBS) --seed $(SOAK_SEED)

clean:
	rm -rf $(BUILD)
