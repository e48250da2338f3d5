-- Layout 4: the server decides. Members reach the tables only through the functions (owned by a role
-- that cannot sign in), sites are fixed by the server, devices belong to a login, the change log is in
-- commit order.

-- The functions and policies of earlier layouts go: they resolved names through the caller's path, took
-- the client's word for sites and let members write the tables. The functions' files make them anew.
DO $$
DECLARE
    old record;
BEGIN
    FOR old IN SELECT p.oid::regprocedure AS signature FROM pg_catalog.pg_proc p
               WHERE p.pronamespace = 'terrovane'::regnamespace LOOP
        EXECUTE format('DROP FUNCTION %s CASCADE', old.signature);
    END LOOP;
    FOR old IN SELECT policyname, tablename FROM pg_catalog.pg_policies WHERE schemaname = 'terrovane' LOOP
        EXECUTE format('DROP POLICY %I ON terrovane.%I', old.policyname, old.tablename);
    END LOOP;
END
$$;

-- Sites as the server sees them: a site's rows are its own, a point's rows its site's, an assignment's
-- and a result's note the site of the point the result is assigned to. Earlier layouts took the client's
-- word; the rows are placed again here.
UPDATE terrovane.fields SET site = id WHERE kind = 'site' AND site IS DISTINCT FROM id;
UPDATE terrovane.fields f SET site = (p.value #>> '{}')::uuid
    FROM terrovane.fields p
    WHERE f.kind = 'point' AND p.kind = 'point' AND p.id = f.id AND p.field = 'site'
      AND p.value #>> '{}' ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
      AND f.site IS DISTINCT FROM (p.value #>> '{}')::uuid;
UPDATE terrovane.fields f SET site = placed.site
    FROM (SELECT a.id, (SELECT s.site FROM terrovane.fields s
                        WHERE s.kind = 'point' AND s.field = 'site' AND s.id::text = a.value #>> '{}') AS site
          FROM terrovane.fields a WHERE a.kind = 'assignment' AND a.field = 'point') placed
    WHERE f.kind = 'assignment' AND f.id = placed.id AND f.site IS DISTINCT FROM placed.site;
UPDATE terrovane.fields f SET site = placed.site
    FROM (SELECT n.id, (SELECT a.site FROM terrovane.fields a
                        WHERE a.kind = 'assignment' AND a.field = 'result'
                          AND 'result:' || (a.value #>> '{}') = n.value #>> '{}' LIMIT 1) AS site
          FROM terrovane.fields n WHERE n.kind = 'note' AND n.field = 'target') placed
    WHERE f.kind = 'note' AND f.id = placed.id AND f.site IS DISTINCT FROM placed.site;
UPDATE terrovane.content SET site = NULL WHERE kind = 'readout' AND site IS NOT NULL;
CREATE INDEX fields_assigned_result ON terrovane.fields (value)
    WHERE kind = 'assignment' AND field = 'result';

-- Which stored result is in which slot of which read-out, worked out by the server from the image (a
-- slot's result is the digest of its 72 bytes): a read-out is shown to the members of the sites its
-- results are assigned to, slot by slot.
-- One row per slot of a read-out as it arrives (a read-out arrives once): no key of its own, which would
-- cost a first sync more than the rows themselves.
CREATE TABLE terrovane.readout_results (
    readout text NOT NULL,
    slot integer NOT NULL CHECK (slot BETWEEN 0 AND 99),
    result text NOT NULL
);
CREATE INDEX readout_results_readout ON terrovane.readout_results (readout);
CREATE INDEX readout_results_result ON terrovane.readout_results (result);
INSERT INTO terrovane.readout_results (readout, slot, result)
    SELECT c.key, s.slot, encode(sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)), 'hex')
    FROM terrovane.content c
    CROSS JOIN LATERAL (SELECT decode(c.body->>'image', 'hex') AS image OFFSET 0) i
    CROSS JOIN generate_series(0, 99) AS s(slot)
    WHERE c.kind = 'readout' AND length(c.body->>'image') = 14400 AND c.body->>'image' ~ '^[0-9a-fA-F]*$'
      AND get_byte(i.image, s.slot * 72 + 67) = 85;

-- Each archive's device belongs to the login that first synced it; the batches it sent so far name it.
CREATE TABLE terrovane.devices (
    device uuid PRIMARY KEY,
    login name NOT NULL,
    registered_at timestamptz NOT NULL DEFAULT now()
);
INSERT INTO terrovane.devices (device, login)
    SELECT DISTINCT ON (device) device, login FROM terrovane.batches ORDER BY device, applied_at, batch;
-- A batch's digest tells the same batch sent again from another batch of the same number (a copied or
-- restored archive). Batches of earlier layouts have none and are taken as the same.
ALTER TABLE terrovane.batches ADD COLUMN digest text;

-- The change log in commit order: writers take one lock before they log, so a reader that sees number N
-- has seen every number below it, whatever else runs on the server. The rows of earlier layouts keep the
-- order their pull handed them out in; their (xid, seq) cursors are translated once.
ALTER TABLE terrovane.changes ADD COLUMN ord bigint, ADD COLUMN for_login name;
UPDATE terrovane.changes c SET ord = n.ord
    FROM (SELECT xid, seq, row_number() OVER (ORDER BY xid, seq) AS ord FROM terrovane.changes) n
    WHERE c.xid = n.xid AND c.seq = n.seq;
CREATE SEQUENCE terrovane.change_order OWNED BY terrovane.changes.ord;
SELECT setval('terrovane.change_order', coalesce(max(ord), 0) + 1, false) FROM terrovane.changes;
ALTER TABLE terrovane.changes ALTER COLUMN ord SET DEFAULT nextval('terrovane.change_order'),
    ALTER COLUMN ord SET NOT NULL;
CREATE UNIQUE INDEX changes_ord ON terrovane.changes (ord);
INSERT INTO terrovane.meta (key, value)
    SELECT 'old_cursors_until', coalesce(max(ord), 0)::text FROM terrovane.changes
    ON CONFLICT (key) DO NOTHING;

-- The role that owns the tables and the functions. Nobody signs in as it; the database's owner is its
-- member to build and upgrade the schema.
DO $$
DECLARE
    api name := left(current_database(), 50) || '_api';
    rel record;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles WHERE rolname = api) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', api);
    END IF;
    EXECUTE format('GRANT %I TO %I', api, current_user);
    EXECUTE format('GRANT USAGE, CREATE ON SCHEMA terrovane TO %I', api);
    INSERT INTO terrovane.meta (key, value) VALUES ('api_role', api)
        ON CONFLICT (key) DO UPDATE SET value = EXCLUDED.value;
    FOR rel IN SELECT c.oid::regclass AS name FROM pg_catalog.pg_class c
               WHERE c.relnamespace = 'terrovane'::regnamespace AND c.relkind = 'r' LOOP
        EXECUTE format('ALTER TABLE %s OWNER TO %I', rel.name, api);
    END LOOP;
END
$$;
