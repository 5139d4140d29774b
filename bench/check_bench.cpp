// The check command and the start-up of the windowless model.
#include <benchmark/benchmark.h>

#include <string>

#include "commands.h"
#include "euler_check.h"
#include "form_model.h"

namespace {

void CheckInput(benchmark::State& state, std::u32string input) {
    euler::FormModel form;
    for (auto _ : state) {
        form.setInputText(input);  // a rejection leaves "?" behind
        euler::CheckNumber(form);
        benchmark::DoNotOptimize(form.selection());
    }
}
BENCHMARK_CAPTURE(CheckInput, n_5, U"5");
BENCHMARK_CAPTURE(CheckInput, n_30, U"30");
BENCHMARK_CAPTURE(CheckInput, rejected_31, U"31");
BENCHMARK_CAPTURE(CheckInput, unmatched_half, U".5");

void ModelStartUp(benchmark::State& state) {
    for (auto _ : state) {
        euler::FormModel form;
        euler::OnLoad(form);
        benchmark::DoNotOptimize(form.transcript().size());
    }
}
BENCHMARK(ModelStartUp);

}  // namespace

BENCHMARK_MAIN();
