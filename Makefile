# Two commands: `make run` sets up and starts KORVALE, `make test` sets up and runs every test.
BUILD ?= build
BUILD_ASAN ?= build-asan
JOBS ?= 2
PACKAGES = cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation poppler-utils xvfb clang-14 libclang-rt-14-dev clang-format-14 \
           datamash file locales

.PHONY: run test deps build build-asan unit asan-unit scenarios checks fuzz clean

run: deps build
	./$(BUILD)/src/app/korvale

test: deps build build-asan checks
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -L unit

deps:
	@scripts/install_deps.sh $(PACKAGES)

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The unit tests again, with AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan:
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DKORVALE_SANITIZE=ON \
	      -DKORVALE_WITH_QT=OFF -DKORVALE_WITH_BENCH=OFF
	cmake --build $(BUILD_ASAN) -j$(JOBS)

checks:
	scripts/check_sources.sh

fuzz:
	scripts/fuzz.sh 60

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) build-fuzz
