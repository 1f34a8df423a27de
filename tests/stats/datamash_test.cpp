// Means and population standard deviations against GNU datamash on the same columns.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "base/numbers.h"
#include "stats/number_output.h"
#include "stats/stats_table.h"

namespace korvale {
namespace {

bool haveDatamash() {
  return std::system("datamash --version > /dev/null 2>&1") == 0;
}

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

TEST(Datamash, MeansAndPopulationDeviationsAgree) {
  if (!haveDatamash()) GTEST_SKIP() << "datamash is not installed";
  constexpr int kRows = 500;
  constexpr int kColumns = 5;
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // Marks with absent pupils, weights, large values close together, negative values, and
  // a column that is constant.
  auto value = [&](int column) -> std::optional<double> {
    switch (column) {
      case 0:
        if (unit(random) < 0.1) return std::nullopt;
        return 1 + static_cast<int>(unit(random) * 5);
      case 1:
        return std::round((40 + unit(random) * 60) * 10) / 10;
      case 2:
        return 1e8 + std::round(unit(random) * 1000) / 100;
      case 3:
        return std::round((unit(random) - 0.5) * 2e5) / 1000;
      default:
        return 7.25;
    }
  };
  std::vector<Text> lines = {U"NAME;M;G;H;N;K;"};
  std::ostringstream tsv;
  for (int r = 0; r < kRows; ++r) {
    Text line = U"p" + fromUtf8(std::to_string(r)) + U";";
    for (int c = 0; c < kColumns; ++c) {
      const auto v = value(c);
      const Text field = v ? formatFixed(*v, 4) : Text(U"a");
      line += field + U";";
      tsv << (c ? "\t" : "") << (v ? toUtf8(field) : "NA");
    }
    tsv << "\n";
    lines.push_back(line);
  }

  char path[] = "/tmp/korvale-datamash-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  std::ofstream(path) << tsv.str();
  std::string operations;
  for (int c = 1; c <= kColumns; ++c)
    operations += " mean " + std::to_string(c) + " pstdev " + std::to_string(c);
  std::istringstream result(run("datamash --narm --format=%.17g" + operations + " < " + path));
  std::remove(path);

  const StatsTable table = extractTable(lines, {';', true, false});
  for (int c = 1; c <= kColumns; ++c) {
    double mean = 0;
    double deviation = 0;
    ASSERT_TRUE(result >> mean >> deviation) << "datamash gave no result for column " << c;
    const auto s = columnStatistics(table.column(c));
    ASSERT_TRUE(s);
    const double scale = std::max(1.0, std::abs(mean));
    EXPECT_NEAR(s->mean, mean, 1e-12 * scale) << "column " << c;
    EXPECT_NEAR(s->deviation, deviation, 1e-9 * std::max(1.0, deviation)) << "column " << c;
  }
}

}  // namespace
}  // namespace korvale
