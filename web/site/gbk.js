// The window reads the answer field with GetWindowTextA, in code page 936 (GBK):
// each UTF-16 unit of the typed text becomes its GBK bytes, or one "?" where GBK
// has none (so an emoji, two units, becomes "??"). The browser decodes GBK but does
// not encode it, so the encoding is its decoder's table read backwards.

const Unmapped = 0x3f;  // "?"
let encoding = null;    // UTF-16 unit -> its bytes above ASCII: a lead and trail byte, or 0x80 alone

function readDecoderBackwards() {
    const table = new Map([[0x20ac, [0x80]]]);  // the euro sign, a single byte in code page 936
    const pairs = [];
    for (let lead = 0x81; lead <= 0xfe; ++lead)
        for (let trail = 0x40; trail <= 0xfe; ++trail)
            if (trail !== 0x7f) pairs.push(lead, trail, 0x20);
    // A space after every pair: an unmapped pair decodes to more than one unit.
    const decoded = new TextDecoder('gbk').decode(new Uint8Array(pairs)).split(' ');
    decoded.forEach((unit, i) => {
        if (unit.length === 1 && unit !== '\ufffd' && !table.has(unit.charCodeAt(0)))
            table.set(unit.charCodeAt(0), [pairs[3 * i], pairs[3 * i + 1]]);
    });
    return table;
}

// The bytes the window's ANSI calls would give for the text.
export function toWindowBytes(text) {
    encoding ??= readDecoderBackwards();
    const bytes = [];
    for (let i = 0; i < text.length; ++i) {
        const unit = text.charCodeAt(i);
        if (unit < 0x80) bytes.push(unit);
        else bytes.push(...(encoding.get(unit) ?? [Unmapped]));
    }
    return new Uint8Array(bytes);
}

// The text the window shows for GBK bytes.
export function fromWindowBytes(bytes) {
    return new TextDecoder('gbk').decode(bytes);
}
