// The game's core in WebAssembly (veltro.wasm, from web/binding.cpp), in the page's
// terms. Texts cross in the window's code page (gbk.js), so every verdict, position
// and list line is the very one the window shows for the same typed text.

import { fromWindowBytes, toWindowBytes } from './gbk.js';

export const Right = 'right', Wrong = 'wrong', Invalid = 'invalid';
const judgements = [Right, Wrong, Invalid];
const BadCharacter = 1;

async function instantiate(url, imports) {
    try {
        return await WebAssembly.instantiateStreaming(fetch(url), imports);
    } catch {
        // A host that serves the module with another type than application/wasm.
        const response = await fetch(url);
        return WebAssembly.instantiate(await response.arrayBuffer(), imports);
    }
}

export async function loadCore(url = 'veltro.wasm') {
    const stop = (status) => { throw new Error(`veltro.wasm stopped with status ${status}`); };
    const imports = {
        env: { emscripten_notify_memory_growth: () => {} },
        wasi_snapshot_preview1: { proc_exit: stop },
    };
    const { instance } = await instantiate(url, imports);
    const core = instance.exports;
    core._initialize();
    // The memory may grow, and a grown memory has a new buffer: views are made afresh.
    const memory = () => new Uint8Array(core.memory.buffer);
    const put = (text) => {
        const bytes = toWindowBytes(text);
        memory().set(bytes, core.Input(bytes.length));
    };
    const get = (at) => {
        const bytes = memory();
        const end = bytes.indexOf(0, at);
        return fromWindowBytes(bytes.subarray(at, end));
    };
    return {
        deal: () => core.Deal(Date.now()),
        hand: () => [0, 1, 2, 3].map((index) => core.Card(index)),
        setHand: (values) => values.forEach((value, index) => core.SetCard(index, value)),
        // The verdict on a typed answer: its two lines, and the character to select
        // in the field (its position in the window's bytes), or -1.
        judge(text) {
            put(text);
            const checkResult = core.Judge();
            return {
                checkResult,
                judgement: judgements[core.Judgement()],
                value: core.Value(),
                headline: get(core.Headline()),
                detail: get(core.Detail()),
                selected: (checkResult & 0xff) === BadCharacter ? (checkResult >> 8) & 0xff : -1,
            };
        },
        solutionLines: () => get(core.SolutionLines()).split('\n').slice(0, -1),
        // A custom hand's field: may its text leave the field, and is it a value for OK.
        mayLeaveField(text) {
            put(text);
            return core.IsCardValue() !== 0;
        },
        isCardValue(text) {
            put(text);
            return core.IsWholeCardValue() !== 0;
        },
    };
}
