# Two commands: `make run` sets up and starts KORVALE, `make test` sets up and runs every test.
BUILD ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
BUILD_DEB ?= build-deb
JOBS ?= 2
PACKAGES = cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation poppler-utils xvfb clang-14 libclang-rt-14-dev clang-format-14 \
           datamash file locales qt6-translations-l10n librsvg2-bin dpkg-dev desktop-file-utils \
           appstream libicu-dev fonts-dejavu-core

.PHONY: run test deps build build-asan bench deb checks fuzz clean

run: deps build
	./$(BUILD)/src/app/korvale

test: deps build build-asan checks
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -L unit

deps:
	@scripts/install_deps.sh $(PACKAGES)

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALE_WERROR=ON
	cmake --build $(BUILD) -j$(JOBS)

# The unit tests again, with AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan:
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DKORVALE_SANITIZE=ON -DKORVALE_WERROR=ON \
	      -DKORVALE_WITH_QT=OFF -DKORVALE_WITH_BENCH=OFF
	cmake --build $(BUILD_ASAN) -j$(JOBS)

# The benchmarks as the README builds them: a plain Release build, warnings not fatal.
bench:
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_BENCH) -j$(JOBS)

# The Debian package (build-deb/korvale_VERSION_ARCH.deb): a Release build of the program alone.
deb: deps
	cmake -S . -B $(BUILD_DEB) -DCMAKE_BUILD_TYPE=Release -DKORVALE_WITH_BENCH=OFF \
	      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(BUILD_DEB) -j$(JOBS) --target korvale
	cd $(BUILD_DEB) && cpack -G DEB

checks:
	scripts/check_sources.sh

fuzz:
	scripts/fuzz.sh 60

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH) $(BUILD_DEB) build-fuzz
