-- Layout 5: a first sync and a member's pull cost what their rows cost.

-- Which result is in which slot of a read-out: one row per read-out with its slots' digests (bytes, NULL
-- for an empty slot) in slot order, found by a result's digest through one inverted index. One row per
-- slot with two indexes of hex text cost a first sync several times more than the read-outs themselves.
CREATE TABLE terrovane.readout_slots (
    readout text PRIMARY KEY,
    results bytea[] NOT NULL CHECK (cardinality(results) = 100)
);
-- Digests do not compress: stored as they are, without trying.
ALTER TABLE terrovane.readout_slots ALTER COLUMN results SET STORAGE EXTERNAL;
CREATE INDEX readout_slots_results ON terrovane.readout_slots USING gin (results);
INSERT INTO terrovane.readout_slots (readout, results)
    SELECT c.key,
           (SELECT array_agg(CASE WHEN get_byte(i.image, s.slot * 72 + 67) = 85
                                  THEN sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)) END ORDER BY s.slot)
            FROM generate_series(0, 99) AS s(slot))
    FROM terrovane.content c
    CROSS JOIN LATERAL (SELECT decode(c.body->>'image', 'hex') AS image OFFSET 0) i
    WHERE c.kind = 'readout' AND length(c.body->>'image') = 14400 AND c.body->>'image' ~ '^[0-9a-fA-F]*$';
DROP TABLE terrovane.readout_results;

-- The sites each read-out is seen in (a result of it is assigned to a point of the site), kept as the
-- assignments change: a member's pull asks one row per read-out instead of working out every read-out
-- of its sites again for each page.
CREATE TABLE terrovane.readout_sites (
    readout text NOT NULL,
    site uuid NOT NULL,
    PRIMARY KEY (readout, site)
);
CREATE INDEX readout_sites_site ON terrovane.readout_sites (site);
INSERT INTO terrovane.readout_sites (readout, site)
    SELECT DISTINCT s.readout, a.site
    FROM terrovane.fields a
    JOIN terrovane.readout_slots s ON s.results @> ARRAY[decode(a.value #>> '{}', 'hex')]
    WHERE a.kind = 'assignment' AND a.field = 'result' AND a.site IS NOT NULL
      AND a.value #>> '{}' ~ '^[0-9a-f]{64}$';

-- A member's pull passes over the rows logged for sites not theirs. Rows logged before layout 4 carry the
-- site a client claimed, and the server placed things anew without logging them again: each such row
-- takes the site its thing has now.
UPDATE terrovane.changes c SET site = f.site
    FROM terrovane.fields f
    WHERE c.source = 'field' AND f.kind = c.kind AND f.id::text = c.id AND f.field = c.field
      AND c.for_login IS NULL AND c.site IS DISTINCT FROM f.site;
UPDATE terrovane.changes c SET site = k.site
    FROM terrovane.content k
    WHERE c.source = 'content' AND c.kind = 'analysis' AND k.kind = c.kind AND k.key = c.id
      AND c.site IS DISTINCT FROM k.site;
UPDATE terrovane.changes c SET site = x.site
    FROM terrovane.conflicts x
    WHERE c.source = 'conflict' AND x.seq::text = c.id AND c.site IS DISTINCT FROM x.site;

DO $$
DECLARE
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
BEGIN
    EXECUTE format('ALTER TABLE terrovane.readout_slots OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.readout_sites OWNER TO %I', api);
END
$$;
