-- Every change is logged in commit order (the writers' lock), with the audit's who, which device, when, and
-- the old and new value. A member given a site later gets that site's history logged again for them alone.

-- A result assigned to a point of a site (or moved away from one): the read-outs holding it are seen
-- in that site from now on, and are news for its members, also those who hold them already with this
-- result's slot blank. A read-out stays seen in the old site while another of its results is assigned there.
-- The slots' rows are small in their table (the digests live out of line), so the planner would read them
-- all for each result, unpacking every read-out's digests, rather than ask the index.
CREATE OR REPLACE FUNCTION terrovane.see_readouts(result_key text, old_site uuid, new_site uuid) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp SET enable_seqscan = off
AS $$
DECLARE
    digest bytea[] := ARRAY[decode(result_key, 'hex')];
BEGIN
    IF old_site IS NOT NULL AND old_site IS DISTINCT FROM new_site THEN
        DELETE FROM terrovane.readout_sites v
            USING terrovane.readout_slots s
            WHERE s.results @> digest AND v.readout = s.readout AND v.site = old_site
              AND NOT EXISTS (SELECT 1 FROM pg_catalog.unnest(s.results) AS d(held)
                              JOIN terrovane.fields a ON a.kind = 'assignment' AND a.field = 'result'
                                                     AND a.value = pg_catalog.to_jsonb(encode(d.held, 'hex'))
                              WHERE d.held IS NOT NULL AND a.site = old_site);
    END IF;
    IF new_site IS NULL OR old_site IS NOT DISTINCT FROM new_site THEN
        RETURN;
    END IF;
    INSERT INTO terrovane.readout_sites (readout, site)
        SELECT s.readout, new_site FROM terrovane.readout_slots s WHERE s.results @> digest
        ON CONFLICT DO NOTHING;
    -- The news names the result: an archive that holds it already has nothing to fill in.
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        SELECT 'content', 'readout', s.readout, result_key, new_site
        FROM terrovane.readout_slots s WHERE s.results @> digest;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.log_field() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        VALUES ('field', NEW.kind, NEW.id::text, NEW.field, NEW.site);
    INSERT INTO terrovane.audit (action, kind, id, field, old_value, new_value)
        VALUES (lower(TG_OP), NEW.kind, NEW.id::text, NEW.field,
                CASE WHEN TG_OP = 'UPDATE' THEN OLD.value END, NEW.value);
    IF NEW.kind = 'assignment' AND NEW.field = 'result' AND terrovane.is_content_key(NEW.value #>> '{}') THEN
        PERFORM terrovane.see_readouts(NEW.value #>> '{}', CASE WHEN TG_OP = 'UPDATE' THEN OLD.site END, NEW.site);
    END IF;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER fields_logged AFTER INSERT OR UPDATE ON terrovane.fields
    FOR EACH ROW EXECUTE FUNCTION terrovane.log_field();

-- Content comes in thousands at a time (a first sync): logged, audited and its read-outs' slots worked out
-- once per statement.
CREATE OR REPLACE FUNCTION terrovane.log_content() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, site) SELECT 'content', kind, key, site FROM added;
    -- The content itself never changes and stays in its table: the audit names it by its key.
    INSERT INTO terrovane.audit (action, kind, id) SELECT 'insert', kind, key FROM added;
    -- Each slot's digest, a row per read-out; decoded once per read-out (OFFSET 0 keeps the planner from
    -- doing it again for every slot).
    INSERT INTO terrovane.readout_slots (readout, results)
        SELECT a.key,
               (SELECT array_agg(CASE WHEN get_byte(i.image, s.slot * 72 + 67) = 85
                                      THEN sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)) END ORDER BY s.slot)
                FROM generate_series(0, 99) AS s(slot))
        FROM added a
        CROSS JOIN LATERAL (SELECT decode(a.body->>'image', 'hex') AS image OFFSET 0) i
        WHERE a.kind = 'readout' AND length(i.image) = 7200;
    -- Results assigned before their read-out arrived (an assignment of the same batch goes in first, or
    -- another archive sent it): the read-out is seen in their sites from the start.
    INSERT INTO terrovane.readout_sites (readout, site)
        SELECT DISTINCT s.readout, f.site
        FROM added a
        JOIN terrovane.readout_slots s ON s.readout = a.key
        CROSS JOIN LATERAL pg_catalog.unnest(s.results) AS d(held)
        JOIN terrovane.fields f ON f.kind = 'assignment' AND f.field = 'result'
                               AND f.value = pg_catalog.to_jsonb(encode(d.held, 'hex'))
        WHERE a.kind = 'readout' AND d.held IS NOT NULL AND f.site IS NOT NULL
        ON CONFLICT DO NOTHING;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER content_logged AFTER INSERT ON terrovane.content
    REFERENCING NEW TABLE AS added FOR EACH STATEMENT EXECUTE FUNCTION terrovane.log_content();

-- A conflict is news for every member who may read its site; so is its settling.
CREATE OR REPLACE FUNCTION terrovane.log_conflict() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site)
        VALUES ('conflict', NEW.kind, NEW.seq::text, NEW.field, NEW.site);
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER conflicts_logged AFTER INSERT OR UPDATE OF resolved_at ON terrovane.conflicts
    FOR EACH ROW EXECUTE FUNCTION terrovane.log_conflict();

-- Everything of one site (all sites: NULL) logged again for one login, after everything it pulled so
-- far: a member given a site later receives its whole history with the next sync.
CREATE OR REPLACE FUNCTION terrovane.catch_up(who name, for_site uuid) RETURNS void
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    -- A login that never synced (no device of its own yet) pulls the whole log from its start, these rows
    -- among it: logging them again for it would hand each of them out twice.
    IF NOT EXISTS (SELECT 1 FROM terrovane.devices d WHERE d.login = who) THEN
        RETURN;
    END IF;
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site, for_login)
        SELECT 'field', f.kind, f.id::text, f.field, f.site, who FROM terrovane.fields f
        WHERE for_site IS NULL OR f.site = for_site
        ORDER BY CASE f.kind WHEN 'site' THEN 0 WHEN 'point' THEN 1 WHEN 'visit' THEN 2 WHEN 'assignment' THEN 3
                             ELSE 4 END;
    -- A login made an admin may hold another's read-out with the slots of sites it could not see blank: a
    -- site it is seen in tells that archive to fetch it again and fill them in, as for a site given later.
    INSERT INTO terrovane.changes (source, kind, id, site, for_login)
        SELECT 'content', k.kind, k.key,
               CASE WHEN k.kind = 'readout' AND k.added_by <> who
                    THEN (SELECT v.site FROM terrovane.readout_sites v WHERE v.readout = k.key
                          ORDER BY v.site LIMIT 1)
                    ELSE k.site END,
               who
        FROM terrovane.content k
        WHERE for_site IS NULL OR (k.kind = 'analysis' AND k.site = for_site);
    -- The read-outs seen in the site.
    INSERT INTO terrovane.changes (source, kind, id, site, for_login)
        SELECT 'content', 'readout', v.readout, for_site, who FROM terrovane.readout_sites v
        WHERE for_site IS NOT NULL AND v.site = for_site;
    INSERT INTO terrovane.changes (source, kind, id, field, site, for_login)
        SELECT 'conflict', x.kind, x.seq::text, x.field, x.site, who FROM terrovane.conflicts x
        WHERE for_site IS NULL OR x.site = for_site;
END
$$;

CREATE OR REPLACE FUNCTION terrovane.site_given() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    IF terrovane.role_of(NEW.login) = 'admin' THEN
        RETURN NULL;  -- sees everything already
    END IF;
    PERFORM terrovane.catch_up(NEW.login, NEW.site);
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER member_sites_catch_up AFTER INSERT ON terrovane.member_sites
    FOR EACH ROW EXECUTE FUNCTION terrovane.site_given();

CREATE OR REPLACE FUNCTION terrovane.role_given() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    -- A login made an admin (new to the team, taken out and back, or another role before) that synced
    -- before has a cursor past what it was not allowed to see (catch_up passes over one that never synced).
    IF NEW.role = 'admin' AND (TG_OP = 'INSERT' OR OLD.role <> 'admin') THEN
        PERFORM terrovane.catch_up(NEW.login, NULL);
    END IF;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER members_catch_up AFTER INSERT OR UPDATE OF role ON terrovane.members
    FOR EACH ROW EXECUTE FUNCTION terrovane.role_given();
