-- Every change is logged in commit order (the writers' lock), with the audit's who, which device, when, and
-- the old and new value. A member given a site later gets that site's history logged again for them alone.

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
    -- A result assigned to another site: the read-outs that hold it are news for that site's members.
    IF NEW.kind = 'assignment' AND NEW.field = 'result' AND NEW.site IS NOT NULL THEN
        -- Only those no other result of which is in that site already: they reached its members before.
        INSERT INTO terrovane.changes (source, kind, id, site)
            SELECT DISTINCT 'content', 'readout', r.readout, NEW.site FROM terrovane.readout_results r
            WHERE r.result = NEW.value #>> '{}'
              AND NOT EXISTS (SELECT 1 FROM terrovane.readout_results o
                              JOIN terrovane.fields a ON a.kind = 'assignment' AND a.field = 'result'
                                                     AND a.value = to_jsonb(o.result)
                              WHERE o.readout = r.readout AND a.site = NEW.site AND a.id <> NEW.id);
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
    INSERT INTO terrovane.readout_results (readout, slot, result)
        SELECT a.key, s.slot, encode(sha256(substring(i.image FROM s.slot * 72 + 1 FOR 72)), 'hex')
        FROM added a
        -- Decoded once per read-out (OFFSET 0 keeps the planner from doing it again for every slot).
        CROSS JOIN LATERAL (SELECT decode(a.body->>'image', 'hex') AS image OFFSET 0) i
        CROSS JOIN generate_series(0, 99) AS s(slot)
        WHERE a.kind = 'readout' AND length(i.image) = 7200 AND get_byte(i.image, s.slot * 72 + 67) = 85;
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
    PERFORM terrovane.lock_change_log();
    INSERT INTO terrovane.changes (source, kind, id, field, site, for_login)
        SELECT 'field', f.kind, f.id::text, f.field, f.site, who FROM terrovane.fields f
        WHERE for_site IS NULL OR f.site = for_site
        ORDER BY CASE f.kind WHEN 'site' THEN 0 WHEN 'point' THEN 1 WHEN 'assignment' THEN 2 ELSE 3 END;
    INSERT INTO terrovane.changes (source, kind, id, site, for_login)
        SELECT 'content', k.kind, k.key, k.site, who FROM terrovane.content k
        WHERE for_site IS NULL OR (k.kind = 'analysis' AND k.site = for_site);
    -- The read-outs holding a result assigned to the site: from the site's assignments, through indexes.
    INSERT INTO terrovane.changes (source, kind, id, site, for_login)
        SELECT DISTINCT 'content', 'readout', r.readout, for_site, who
        FROM terrovane.fields a JOIN terrovane.readout_results r ON r.result = a.value #>> '{}'
        WHERE for_site IS NOT NULL AND a.site = for_site AND a.kind = 'assignment' AND a.field = 'result';
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
    -- A new login pulls everything from the start anyway; one that synced before (taken out of the team
    -- and back) or changed its role has a cursor past what it was not allowed to see.
    IF NEW.role <> 'admin' THEN
        RETURN NULL;
    END IF;
    IF TG_OP = 'UPDATE' THEN
        IF OLD.role <> 'admin' THEN
            PERFORM terrovane.catch_up(NEW.login, NULL);
        END IF;
    ELSIF EXISTS (SELECT 1 FROM terrovane.devices d WHERE d.login = NEW.login) THEN
        PERFORM terrovane.catch_up(NEW.login, NULL);
    END IF;
    RETURN NULL;
END
$$;
CREATE OR REPLACE TRIGGER members_catch_up AFTER INSERT OR UPDATE OF role ON terrovane.members
    FOR EACH ROW EXECUTE FUNCTION terrovane.role_given();
