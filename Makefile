# make run  - install what is missing, build, start the program
# make test - install what is missing, build, run every test
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev \
           libbenchmark-dev fonts-dejavu-core poppler-utils
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps configure clean

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

clean:
	rm -rf $(BUILD)
